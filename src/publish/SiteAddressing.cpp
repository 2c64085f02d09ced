#include "publish/SiteAddressing.h"

#include "projects/SiteAddress.h"

#include <QUrl>

namespace {

QString schemeOf(TransferProtocol protocol)
{
    switch (protocol) {
    case TransferProtocol::Ftps:
        return QStringLiteral("ftps");
    case TransferProtocol::Sftp:
        return QStringLiteral("sftp");
    case TransferProtocol::Ftp:
        break;
    }
    return QStringLiteral("ftp");
}

std::optional<TransferProtocol> protocolOfScheme(const QString &scheme)
{
    if (scheme == QLatin1String("ftp"))
        return TransferProtocol::Ftp;
    if (scheme == QLatin1String("ftps"))
        return TransferProtocol::Ftps;
    if (scheme == QLatin1String("sftp"))
        return TransferProtocol::Sftp;
    return std::nullopt;
}

// The server field holds a host name; one typed with a scheme keeps only
// what follows it.
QString hostOf(const QString &server)
{
    const QString trimmed = server.trimmed();
    const qsizetype schemeEnd = trimmed.indexOf(QLatin1String("://"));
    return schemeEnd < 0 ? trimmed : trimmed.mid(schemeEnd + 3);
}

QString startFolderOf(const QString &path, TransferProtocol protocol)
{
    if (protocol != TransferProtocol::Sftp)
        return path.mid(1);
    if (path.startsWith(QLatin1String("/~/")))
        return path.mid(3);
    return path == QLatin1String("/") || path == QLatin1String("/~") ? QString() : path;
}

AddressedSite refused(const QString &error)
{
    return AddressedSite{SiteRecord{}, error};
}

} // namespace

std::optional<QString> siteAddress(const SiteRecord &site)
{
    const QString host = hostOf(site.server);
    if (host.isEmpty())
        return std::nullopt;
    QUrl url(schemeOf(site.protocol) + QStringLiteral("://") + host);
    if (!site.user.isEmpty())
        url.setUserName(site.user);
    url.setPort(site.port);
    // An SFTP path is absolute, so a folder below the login folder is
    // written below "~".
    const QString &folder = site.startFolder;
    const QString relativeRoot = site.protocol == TransferProtocol::Sftp ? QStringLiteral("/~/") : QStringLiteral("/");
    if (!folder.isEmpty())
        url.setPath(folder.startsWith(QLatin1Char('/')) ? folder : relativeRoot + folder);
    return normaliseSiteAddress(url.toString());
}

AddressedSite siteFromAddress(const QString &address)
{
    const QString trimmed = address.trimmed();
    const QUrl url(trimmed.contains(QLatin1String("://")) ? trimmed : QStringLiteral("ftp://") + trimmed);
    if (!url.password().isEmpty())
        return refused(QStringLiteral("Skriv ikke adgangskoden i adressen. Du bliver spurgt om den, når der skal forbindes."));
    if (!url.isValid() || url.host().isEmpty())
        return refused(QStringLiteral("Adressen angiver ingen server."));
    const std::optional<TransferProtocol> protocol = protocolOfScheme(url.scheme().toLower());
    if (!protocol)
        return refused(QStringLiteral("Adressen skal begynde med ftp://, ftps:// eller sftp://."));

    SiteRecord site;
    site.protocol = *protocol;
    site.server = url.host();
    site.user = url.userName();
    site.port = url.port(defaultPort(*protocol));
    site.startFolder = startFolderOf(url.path(), *protocol);
    site.savePassword = false;
    site.title = siteAddress(site).value_or(trimmed);
    return AddressedSite{site, QString()};
}
