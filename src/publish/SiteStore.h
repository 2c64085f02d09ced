#pragma once

#include "publish/SiteRecord.h"

#include <QString>
#include <QStringList>

#include <optional>

class SettingsStore;

// The saved sites of the publishing window in the settings store: the sorted
// list of titles in section "Ftp" ("Ftp1", "Ftp2", ...) and one section
// "Ftp2\<title>" per site. Titles compare without regard to case, as
// sections do.
//
// A password is kept only for a site whose "GemKode" is set: in the desktop's
// secret store when one is running, else scrambled in the settings file,
// which is then made readable by its owner alone.
class SiteStore
{
public:
    enum class PasswordPlace {
        // The desktop's secret store when one answers, else the settings file.
        DesktopWhenRunning,
        // Always the settings file (for tests and for stores that must not
        // reach the desktop).
        SettingsFile,
    };

    explicit SiteStore(SettingsStore &settings, PasswordPlace place = PasswordPlace::DesktopWhenRunning);

    // The section of a site. Characters that would nest or break a section
    // name ("/", "\", "[", "]", "=", "%" and control characters) are written
    // "%XX"; any other title is used as it is.
    static QString sectionOf(const QString &title);

    // The titles of the saved sites in list order (sorted).
    QStringList titles() const;
    // The site saved under this title with its password; nothing when there
    // is no such site. A stored password that cannot be unscrambled is
    // emptied in the store.
    std::optional<SiteRecord> load(const QString &title);
    // The site without touching its password (no secret store is asked).
    std::optional<SiteRecord> loadWithoutPassword(const QString &title) const;
    // Writes the site under its title, adds the title to the list when new
    // and rewrites the list. False when the title is empty or the settings
    // file could not be written.
    bool save(const SiteRecord &site);
    // Erases the site and its password and rewrites the list. False when the
    // settings file could not be written.
    bool remove(const QString &title);

    // The once-only move of sites from the older layout (a section named by
    // the title alone) to their "Ftp2\" sections, while "NyFtp" in section
    // "Start" asks for it. True when it ran.
    bool convertOlderLayout();

    // The key of the site saved under this title for the publish record (see
    // siteAddress); nothing when no such site has a server.
    std::optional<QString> address(const QString &title) const;

private:
    bool desktopSecrets() const;
    QString loadPassword(const QString &section);
    void storePassword(const SiteRecord &site, const QString &section);
    void writeTitles(const QStringList &titles);
    void restrictFileIfPasswordsStored();

    SettingsStore &m_settings;
    PasswordPlace m_place;
    mutable std::optional<bool> m_desktopRunning;
};
