#include "projects/SiteAddress.h"

#include "core/SettingsStore.h"

#include <QDir>
#include <QUrl>

namespace {

int defaultPort(const QString &scheme)
{
    if (scheme == QLatin1String("sftp"))
        return 22;
    if (scheme == QLatin1String("ftps"))
        return 990;
    return 21;
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

std::optional<QString> storedSiteAddress(const SettingsStore &store, const QString &title)
{
    const QString section = QStringLiteral("Ftp2\\") + title;
    const QString server = store.readText(section, QStringLiteral("Server"), QString()).trimmed();
    if (server.isEmpty())
        return std::nullopt;
    QUrl url(withScheme(server));
    const QString user = store.readText(section, QStringLiteral("Bruger"), QString());
    if (!user.isEmpty())
        url.setUserName(user);
    url.setPort(store.readInt(section, QStringLiteral("Port"), 21));
    const QString folder = store.readText(section, QStringLiteral("StartBib"), QString());
    if (!folder.isEmpty())
        url.setPath(folder.startsWith(QLatin1Char('/')) ? folder : QLatin1Char('/') + folder);
    return normaliseSiteAddress(url.toString());
}
