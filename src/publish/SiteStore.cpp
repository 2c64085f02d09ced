#include "publish/SiteStore.h"

#include "core/SettingsStore.h"
#include "publish/DesktopSecrets.h"
#include "publish/PasswordScrambler.h"
#include "publish/SiteAddressing.h"

#include <QMap>

#include <algorithm>

namespace {

const QString ListSection = QStringLiteral("Ftp");
const QString SitePrefix = QStringLiteral("Ftp2\\");
const QString WindowSection = QStringLiteral("Start");
const QString OlderLayoutKey = QStringLiteral("NyFtp");

namespace Key {
const QString Server = QStringLiteral("Server");
const QString StartFolder = QStringLiteral("StartBib");
const QString User = QStringLiteral("Bruger");
const QString Password = QStringLiteral("Kodeord");
const QString SavePassword = QStringLiteral("GemKode");
const QString Passive = QStringLiteral("Passiv");
const QString Proxy = QStringLiteral("Proxy");
const QString TransferType = QStringLiteral("Overfoersel");
const QString FileSystem = QStringLiteral("Filsystem");
const QString Port = QStringLiteral("Port");
const QString Protocol = QStringLiteral("Protokol"); // 0 FTP, 1 FTPS, 2 SFTP
const QString Certificate = QStringLiteral("Certifikat");
const QString PrivateKey = QStringLiteral("Noegle");
const QString ServerType = QStringLiteral("Servertype"); // older layout only
} // namespace Key

// The keys an older site carries over.
const QStringList OlderKeys = {Key::Server,     Key::StartFolder, Key::User,    Key::SavePassword,
                               Key::ServerType, Key::Port,        Key::Password};

bool sameTitle(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool breaksSectionName(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f || QStringView(u"/\\[]=%").contains(c);
}

TransferProtocol protocolOf(int stored)
{
    switch (stored) {
    case 1:
        return TransferProtocol::Ftps;
    case 2:
        return TransferProtocol::Sftp;
    default:
        return TransferProtocol::Ftp;
    }
}

int storedProtocol(TransferProtocol protocol)
{
    switch (protocol) {
    case TransferProtocol::Ftps:
        return 1;
    case TransferProtocol::Sftp:
        return 2;
    case TransferProtocol::Ftp:
        break;
    }
    return 0;
}

// The name of a site's password in the desktop's secret store; titles that
// differ in case only are one site.
QString secretName(const QString &section)
{
    return section.toLower();
}

} // namespace

SiteStore::SiteStore(SettingsStore &settings, PasswordPlace place)
    : m_settings(settings)
    , m_place(place)
{
    restrictFileIfPasswordsStored();
}

QString SiteStore::sectionOf(const QString &title)
{
    QString encoded;
    for (const QChar c : title) {
        if (breaksSectionName(c))
            encoded += QStringLiteral("%%1").arg(c.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            encoded += c;
    }
    return SitePrefix + encoded;
}

QStringList SiteStore::titles() const
{
    QMap<int, QString> numbered;
    for (const QString &line : m_settings.readSection(ListSection)) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        const QString name = line.left(equals);
        bool isNumber = false;
        const int number = name.mid(ListSection.size()).toInt(&isNumber);
        const QString title = line.mid(equals + 1);
        if (name.startsWith(ListSection, Qt::CaseInsensitive) && isNumber && !title.isEmpty())
            numbered.insert(number, title);
    }
    return numbered.values();
}

std::optional<SiteRecord> SiteStore::loadWithoutPassword(const QString &title) const
{
    const QString section = sectionOf(title);
    if (m_settings.readSection(section).isEmpty())
        return std::nullopt;
    SiteRecord site;
    site.title = title;
    for (const QString &listed : titles()) {
        if (sameTitle(listed, title))
            site.title = listed;
    }
    site.server = m_settings.readText(section, Key::Server, QString());
    site.startFolder = m_settings.readText(section, Key::StartFolder, QString());
    site.user = m_settings.readText(section, Key::User, QString());
    site.savePassword = m_settings.readBool(section, Key::SavePassword, true);
    site.passive = m_settings.readBool(section, Key::Passive, false);
    site.proxy = m_settings.readText(section, Key::Proxy, QString());
    site.transferType = std::clamp(m_settings.readInt(section, Key::TransferType, 0), 0, 2);
    site.fileSystem = std::clamp(m_settings.readInt(section, Key::FileSystem, 0), 0, 1);
    site.protocol = protocolOf(m_settings.readInt(section, Key::Protocol, 0));
    const int port = m_settings.readInt(section, Key::Port, defaultPort(site.protocol));
    site.port = port > 0 && port <= 65535 ? port : defaultPort(site.protocol);
    site.trustedCertificateFile = m_settings.readText(section, Key::Certificate, QString());
    site.privateKeyFile = m_settings.readText(section, Key::PrivateKey, QString());
    return site;
}

std::optional<SiteRecord> SiteStore::load(const QString &title)
{
    std::optional<SiteRecord> site = loadWithoutPassword(title);
    if (site && site->savePassword)
        site->password = loadPassword(sectionOf(title));
    return site;
}

bool SiteStore::save(const SiteRecord &site)
{
    if (site.title.trimmed().isEmpty())
        return false;
    const QString section = sectionOf(site.title);
    m_settings.writeText(section, Key::Server, site.server);
    m_settings.writeText(section, Key::StartFolder, site.startFolder);
    m_settings.writeText(section, Key::User, site.user);
    m_settings.writeBool(section, Key::SavePassword, site.savePassword);
    m_settings.writeBool(section, Key::Passive, site.passive);
    m_settings.writeText(section, Key::Proxy, site.proxy);
    m_settings.writeInt(section, Key::TransferType, site.transferType);
    m_settings.writeInt(section, Key::FileSystem, site.fileSystem);
    m_settings.writeInt(section, Key::Port, site.port);
    m_settings.writeInt(section, Key::Protocol, storedProtocol(site.protocol));
    m_settings.writeText(section, Key::Certificate, site.trustedCertificateFile);
    m_settings.writeText(section, Key::PrivateKey, site.privateKeyFile);
    storePassword(site, section);

    QStringList list = titles();
    list.removeIf([&](const QString &listed) { return sameTitle(listed, site.title); });
    list.append(site.title);
    writeTitles(list);
    return m_settings.flush();
}

bool SiteStore::remove(const QString &title)
{
    const QString section = sectionOf(title);
    m_settings.eraseSection(section);
    if (desktopSecrets())
        DesktopSecrets::erase(secretName(section));
    QStringList list = titles();
    list.removeIf([&](const QString &listed) { return sameTitle(listed, title); });
    writeTitles(list);
    return m_settings.flush();
}

bool SiteStore::convertOlderLayout()
{
    if (!m_settings.readBool(WindowSection, OlderLayoutKey, true))
        return false;
    m_settings.writeBool(WindowSection, OlderLayoutKey, false);
    for (const QString &title : titles()) {
        // The program's own sections are never an older site's; a site whose
        // older section is gone keeps what it has.
        if (sameTitle(title, ListSection) || sameTitle(title, WindowSection) || m_settings.readSection(title).isEmpty())
            continue;
        const QString section = sectionOf(title);
        for (const QString &line : m_settings.readSection(title)) {
            const QString key = line.left(line.indexOf(QLatin1Char('=')));
            if (OlderKeys.contains(key, Qt::CaseInsensitive))
                m_settings.writeText(section, key, m_settings.readText(title, key, QString()));
        }
        m_settings.eraseSection(title);
    }
    restrictFileIfPasswordsStored();
    m_settings.flush();
    return true;
}

std::optional<QString> SiteStore::address(const QString &title) const
{
    const std::optional<SiteRecord> site = loadWithoutPassword(title);
    return site ? siteAddress(*site) : std::nullopt;
}

bool SiteStore::desktopSecrets() const
{
    if (m_place == PasswordPlace::SettingsFile)
        return false;
    if (!m_desktopRunning)
        m_desktopRunning = DesktopSecrets::running();
    return *m_desktopRunning;
}

QString SiteStore::loadPassword(const QString &section)
{
    if (desktopSecrets()) {
        if (const std::optional<QString> secret = DesktopSecrets::read(secretName(section)))
            return *secret;
    }
    const QString stored = m_settings.readText(section, Key::Password, QString());
    if (stored.isEmpty())
        return QString();
    const std::optional<QString> password = unscramblePassword(stored);
    if (!password)
        m_settings.writeText(section, Key::Password, QString());
    return password.value_or(QString());
}

void SiteStore::storePassword(const SiteRecord &site, const QString &section)
{
    const bool keep = site.savePassword && !site.password.isEmpty();
    if (desktopSecrets()) {
        if (keep && DesktopSecrets::write(secretName(section), site.password)) {
            m_settings.eraseKey(section, Key::Password);
            return;
        }
        if (!keep)
            DesktopSecrets::erase(secretName(section));
    }
    if (!keep) {
        m_settings.eraseKey(section, Key::Password);
        return;
    }
    m_settings.writeText(section, Key::Password, scramblePassword(site.password));
    m_settings.restrictToOwner();
}

void SiteStore::writeTitles(const QStringList &titles)
{
    QStringList sorted = titles;
    std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    m_settings.eraseSection(ListSection);
    for (qsizetype i = 0; i < sorted.size(); ++i)
        m_settings.writeText(ListSection, ListSection + QString::number(i + 1), sorted[i]);
}

void SiteStore::restrictFileIfPasswordsStored()
{
    for (const QString &title : titles()) {
        if (!m_settings.readText(sectionOf(title), Key::Password, QString()).isEmpty()) {
            m_settings.restrictToOwner();
            return;
        }
    }
}
