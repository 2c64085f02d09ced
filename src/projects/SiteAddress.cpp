#include "projects/SiteAddress.h"

#include <QDir>
#include <QUrl>

namespace {

// FTPS is explicit TLS on the FTP port, as the transport speaks it.
int defaultPort(const QString &scheme)
{
    return scheme == QLatin1String("sftp") ? 22 : 21;
}

QString withScheme(const QString &address)
{
    return address.contains(QLatin1String("://")) ? address : QStringLiteral("ftp://") + address;
}

} // namespace

std::optional<QString> normaliseSiteAddress(const QString &address)
{
    const QUrl url(withScheme(address.trimmed()));
    if (!url.isValid() || url.host().isEmpty())
        return std::nullopt;
    QUrl key;
    key.setScheme(url.scheme().toLower());
    key.setUserName(url.userName());
    key.setHost(url.host().toLower());
    if (url.port() != -1 && url.port() != defaultPort(key.scheme()))
        key.setPort(url.port());
    QString folder = QDir::cleanPath(QLatin1Char('/') + url.path());
    key.setPath(folder == QLatin1String("/") ? QString() : folder);
    return key.toString(QUrl::FullyEncoded);
}
