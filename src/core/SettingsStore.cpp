#include "core/SettingsStore.h"

#include "core/IniLines.h"
#include "core/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <filesystem>

namespace {

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// QSettings treats "/" and "\" in a key as group separators; sections such as
// "Ftp2\Site" are therefore kept as nested groups in the file.
QString sectionToGroup(const QString &section)
{
    QString group = section;
    return group.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString groupToSection(const QString &group)
{
    QString section = group;
    return section.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

QString valueAsText(const QVariant &value)
{
    // A hand-edited value with an unquoted comma reads back as a list.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

// Writes the bytes of a damaged file beside it under the first free name of
// "NAME.bak", "NAME.1.bak", "NAME.2.bak", ..., never over another file.
bool keepDamaged(const QString &file, const QByteArray &bytes)
{
    for (int number = 0;; ++number) {
        const QString suffix = number == 0 ? QStringLiteral(".bak") : QStringLiteral(".%1.bak").arg(number);
        const QString name = file + suffix;
        const QFileInfo taken(name);
        if (taken.exists() || taken.isSymLink())
            continue;
        QFile backup(name);
        if (!backup.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
            return false;
        if (backup.write(bytes) != bytes.size() || !backup.flush()) {
            backup.remove();
            return false;
        }
        return true;
    }
}

// The permissions the rewritten file gets: the owner's alone when asked,
// else those of the file it replaces, else the usual ones.
std::optional<QFileDevice::Permissions> permissionsFor(const QString &target, bool ownerOnly)
{
    if (ownerOnly)
        return QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (QFileInfo::exists(target))
        return QFile::permissions(target);
    return std::nullopt;
}

// Creates the empty file beside the target with its final permissions before
// anything is written into it, so that no secret is ever readable by others.
bool createBeside(const QString &temporary, const std::optional<QFileDevice::Permissions> &permissions)
{
    QFile::remove(temporary);
    QFile file(temporary);
    if (!permissions)
        return file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly, *permissions) && file.setPermissions(*permissions);
}

} // namespace

SettingsStore::SettingsStore(QString iniPath, Access access)
    : m_path(std::move(iniPath))
    , m_access(access)
{
    load();
}

SettingsStore::~SettingsStore()
{
    flush();
}

QString SettingsStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Pagewick/Pagewick.ini");
}

void SettingsStore::load()
{
    if (!QFileInfo::exists(m_path))
        return;
    const std::optional<QByteArray> bytes = readRegularFile(m_path);
    if (!bytes) {
        m_unreadable = true;
        return;
    }
    const IniLines lines = wholeIniLines(*bytes);
    if (lines.damaged)
        m_damagedText = *bytes;
    // The INI reader reads only named files: the whole lines go to a private copy.
    QTemporaryFile copy;
    if (!copy.open() || copy.write(lines.whole) != lines.whole.size() || !copy.flush()) {
        m_unreadable = true;
        return;
    }
    const QSettings file(copy.fileName(), QSettings::IniFormat);
    const QStringList keys = file.allKeys();
    for (const QString &fullKey : keys) {
        const qsizetype cut = fullKey.lastIndexOf(QLatin1Char('/'));
        if (cut <= 0)
            continue; // keys outside any section have no owner
        const QString section = groupToSection(fullKey.left(cut));
        const QString key = fullKey.mid(cut + 1);
        if (find(section, key) == nullptr) {
            writeText(section, key, valueAsText(file.value(fullKey)));
        }
    }
    m_dirty = false;
}

// A symbolic link stays a link: the file it leads to is the one replaced.
QString SettingsStore::fileToReplace() const
{
    const QFileInfo info(m_path);
    if (!info.isSymLink())
        return m_path;
    const QString target = info.canonicalFilePath();
    return target.isEmpty() ? info.symLinkTarget() : target; // a link to no file yet
}

const SettingsStore::Entry *SettingsStore::find(const QString &section, const QString &key) const
{
    for (const Section &s : m_sections) {
        if (!sameName(s.name, section))
            continue;
        for (const Entry &e : s.entries) {
            if (sameName(e.key, key))
                return &e;
        }
        return nullptr;
    }
    return nullptr;
}

SettingsStore::Section *SettingsStore::findSection(const QString &section)
{
    for (Section &s : m_sections) {
        if (sameName(s.name, section))
            return &s;
    }
    return nullptr;
}

QString SettingsStore::readText(const QString &section, const QString &key, const QString &fallback) const
{
    const Entry *e = find(section, key);
    return e ? e->value : fallback;
}

int SettingsStore::readInt(const QString &section, const QString &key, int fallback) const
{
    const Entry *e = find(section, key);
    if (!e)
        return fallback;
    bool ok = false;
    const int value = e->value.trimmed().toInt(&ok, 10);
    return ok ? value : fallback;
}

bool SettingsStore::readBool(const QString &section, const QString &key, bool fallback) const
{
    return readInt(section, key, fallback ? 1 : 0) != 0;
}

void SettingsStore::writeText(const QString &section, const QString &key, const QString &value)
{
    Section *s = findSection(section);
    if (!s) {
        m_sections.append(Section{section, {}});
        s = &m_sections.last();
    }
    m_dirty = true;
    for (Entry &e : s->entries) {
        if (sameName(e.key, key)) {
            e.value = value;
            return;
        }
    }
    s->entries.append(Entry{key, value});
}

void SettingsStore::writeInt(const QString &section, const QString &key, int value)
{
    writeText(section, key, QString::number(value));
}

void SettingsStore::writeBool(const QString &section, const QString &key, bool value)
{
    writeText(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList SettingsStore::readSection(const QString &section) const
{
    QStringList lines;
    for (const Section &s : m_sections) {
        if (!sameName(s.name, section))
            continue;
        for (const Entry &e : s.entries)
            lines.append(e.key + QLatin1Char('=') + e.value);
    }
    return lines;
}

void SettingsStore::eraseKey(const QString &section, const QString &key)
{
    Section *s = findSection(section);
    if (s && s->entries.removeIf([&](const Entry &e) { return sameName(e.key, key); }) > 0)
        m_dirty = true;
}

void SettingsStore::eraseSection(const QString &section)
{
    const auto removed = m_sections.removeIf([&](const Section &s) { return sameName(s.name, section); });
    if (removed > 0)
        m_dirty = true;
}

void SettingsStore::restrictToOwner()
{
    if (m_ownerOnly)
        return;
    m_ownerOnly = true;
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
        | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    const QString target = fileToReplace();
    if (QFileInfo::exists(target) && (QFile::permissions(target) & others))
        m_dirty = true; // the mode alone is reason to write the file anew
}

bool SettingsStore::flush()
{
    if (!m_dirty)
        return true;
    if (m_access == Access::ReadOnly || m_unreadable)
        return false;
    const QString target = fileToReplace();
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return false;
    if (m_damagedText) {
        if (!keepDamaged(target, *m_damagedText))
            return false;
        m_damagedText.reset();
    }
    const QString temporary = target + QStringLiteral(".new");
    if (!createBeside(temporary, permissionsFor(target, m_ownerOnly)))
        return false;
    {
        QSettings file(temporary, QSettings::IniFormat);
        for (const Section &s : m_sections) {
            file.beginGroup(sectionToGroup(s.name));
            for (const Entry &e : s.entries)
                file.setValue(e.key, e.value);
            file.endGroup();
        }
        file.sync();
        if (file.status() != QSettings::NoError) {
            QFile::remove(temporary);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(temporary.toStdU16String()), std::filesystem::path(target.toStdU16String()),
                            error);
    if (error) {
        QFile::remove(temporary);
        return false;
    }
    m_dirty = false;
    return true;
}
