#include "preview/browser/webengine/OfflineRule.h"

#include <QHostAddress>
#include <QUrl>

namespace {

bool isLoopbackHost(const QString &host)
{
    // The engine resolves "localhost" and its subdomains to the loopback address itself.
    const QString name = host.toLower();
    if (name == QLatin1String("localhost") || name.endsWith(QLatin1String(".localhost")))
        return true;
    const QHostAddress address(name);
    return !address.isNull() && address.isLoopback();
}

} // namespace

bool reachableOffline(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("file") || scheme == QLatin1String("data") || scheme == QLatin1String("about")
        || scheme == QLatin1String("blob"))
        return true;
    return isLoopbackHost(url.host());
}
