#include "core/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

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
    const QFileInfo info(m_path);
    if (!info.exists())
        return;
    QSettings file(m_path, QSettings::IniFormat);
    if (!info.isReadable() || file.status() != QSettings::NoError) {
        m_dirty = true; // replace what cannot be read at the next flush
        return;
    }
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

bool SettingsStore::flush()
{
    if (!m_dirty)
        return true;
    if (m_access == Access::ReadOnly)
        return false;
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return false;
    const QString temporary = m_path + QStringLiteral(".new");
    QFile::remove(temporary);
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
    if (!QFileInfo::exists(temporary)) {
        // An empty store writes no file; an empty file stands for it.
        QFile empty(temporary);
        if (!empty.open(QIODevice::WriteOnly))
            return false;
    }
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(temporary.toStdU16String()), std::filesystem::path(m_path.toStdU16String()),
                            error);
    if (error) {
        QFile::remove(temporary);
        return false;
    }
    m_dirty = false;
    return true;
}
