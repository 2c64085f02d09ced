#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The per-user store of named text values grouped in sections. Section and key
// names compare without regard to case, as the program reads some keys with
// another spelling than it writes them. Values are text: integers in decimal,
// booleans "1"/"0". The store lives in memory and is written whole to one INI
// file by flush(). A damaged line of the file is passed over and the lines
// after it are read; the damaged file is kept beside it as "NAME.bak" (or
// "NAME.1.bak", ...) before it is first replaced. A file that cannot be read at
// all (a pipe, a folder, no permission) leaves the store empty and is never
// written over. A symbolic link stays a link: its target is replaced. A
// rewrite keeps the file's permissions.
class SettingsStore
{
public:
    enum class Access {
        ReadWrite,
        // Keeps changes in memory and never writes the file, so a program that
        // only reads the settings cannot replace a file it failed to parse.
        ReadOnly,
    };

    explicit SettingsStore(QString iniPath, Access access = Access::ReadWrite);
    ~SettingsStore();

    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // "Pagewick/Pagewick.ini" under the user's standard configuration folder.
    static QString defaultPath();

    QString path() const { return m_path; }
    // The file is there but could not be read; changes stay in memory.
    bool unreadable() const { return m_unreadable; }

    QString readText(const QString &section, const QString &key, const QString &fallback) const;
    // The fallback also answers a value that is not a whole number.
    int readInt(const QString &section, const QString &key, int fallback) const;
    // Read as an integer; any non-zero value is true.
    bool readBool(const QString &section, const QString &key, bool fallback) const;

    void writeText(const QString &section, const QString &key, const QString &value);
    void writeInt(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);

    // Removes one value; nothing happens when there is none.
    void eraseKey(const QString &section, const QString &key);

    // "name=value" lines of one section, in the order the names were first written.
    QStringList readSection(const QString &section) const;
    void eraseSection(const QString &section);

    // From now on the file is readable and writable by its owner alone (for
    // settings that hold a secret); the next flush() makes it so.
    void restrictToOwner();
    bool restrictedToOwner() const { return m_ownerOnly; }

    // Writes the whole store beside the file and renames it over the old one, so
    // a failed write leaves the previous file whole. Does nothing when unchanged;
    // false when a read-only store, or one whose file could not be read, holds
    // changes, and when a damaged file cannot be kept first.
    bool flush();

private:
    struct Entry
    {
        QString key;
        QString value;
    };
    struct Section
    {
        QString name;
        QList<Entry> entries;
    };

    void load();
    QString fileToReplace() const;
    const Entry *find(const QString &section, const QString &key) const;
    Section *findSection(const QString &section);

    QString m_path;
    Access m_access = Access::ReadWrite;
    QList<Section> m_sections;
    bool m_dirty = false;
    bool m_unreadable = false;
    bool m_ownerOnly = false;
    // The bytes of a file that had damaged lines, until they are kept.
    std::optional<QByteArray> m_damagedText;
};
