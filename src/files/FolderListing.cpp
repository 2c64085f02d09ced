#include "files/FolderListing.h"

#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

QString ListedEntry::attributes() const
{
    QString letters;
    if (folder)
        letters += QLatin1Char('D');
    if (changedSincePublishing)
        letters += QLatin1Char('A');
    if (!writable)
        letters += QLatin1Char('R');
    if (hidden)
        letters += QLatin1Char('H');
    return letters;
}

QDateTime ListedEntry::dateTime(qint64 time)
{
    return time == NoTime ? QDateTime() : QDateTime::fromMSecsSinceEpoch(time);
}

QString fileTypeName(const QString &fileName, bool folder)
{
    static const QMimeDatabase mimeTypes;
    if (folder)
        return mimeTypes.mimeTypeForName(QStringLiteral("inode/directory")).comment();
    // The type goes by the name alone; names with the same extension share it.
    static QHash<QString, QString> byExtension;
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot > 0 ? fileName.mid(dot + 1).toLower() : QString();
    auto known = byExtension.constFind(extension);
    if (known == byExtension.constEnd()) {
        const QString comment = mimeTypes.mimeTypeForFile(fileName, QMimeDatabase::MatchExtension).comment();
        known = byExtension.insert(extension, comment);
    }
    return *known;
}

namespace {

QDir::Filters scanFilters(bool withFolders)
{
    QDir::Filters filters = QDir::Files | QDir::Hidden | QDir::System;
    if (withFolders)
        filters |= QDir::Dirs | QDir::NoDotAndDotDot;
    return filters;
}

qint64 timeOf(const QDateTime &moment)
{
    return moment.isValid() ? moment.toMSecsSinceEpoch() : ListedEntry::NoTime;
}

#ifdef Q_OS_LINUX
qint64 timeOf(const struct statx_timestamp &stamp)
{
    return stamp.tv_sec * 1000 + stamp.tv_nsec / 1000000;
}

// One system call for what the columns show: the dates as numbers, without
// the local-time dates that QFileInfo makes for each of them.
bool readFacts(const QString &path, ListedEntry &entry)
{
    struct statx facts;
    if (statx(AT_FDCWD, QFile::encodeName(path).constData(), AT_STATX_SYNC_AS_STAT, STATX_BASIC_STATS | STATX_BTIME, &facts) != 0)
        return false;
    entry.folder = S_ISDIR(facts.stx_mode);
    entry.size = entry.folder ? 0 : qint64(facts.stx_size);
    entry.modified = timeOf(facts.stx_mtime);
    entry.lastAccess = timeOf(facts.stx_atime);
    entry.created = (facts.stx_mask & STATX_BTIME) ? timeOf(facts.stx_btime) : ListedEntry::NoTime;
    // The permission bits that apply to this user; the superuser writes anything.
    const uid_t user = geteuid();
    if (user == 0)
        entry.writable = true;
    else if (facts.stx_uid == user)
        entry.writable = facts.stx_mode & S_IWUSR;
    else if (facts.stx_gid == getegid())
        entry.writable = facts.stx_mode & S_IWGRP;
    else
        entry.writable = facts.stx_mode & S_IWOTH;
    return true;
}
#endif

void readFactsFromInfo(const QFileInfo &info, ListedEntry &entry)
{
    entry.folder = info.isDir();
    entry.size = entry.folder ? 0 : info.size();
    entry.modified = timeOf(info.lastModified());
    entry.created = timeOf(info.birthTime());
    entry.lastAccess = timeOf(info.lastRead());
    entry.writable = info.isWritable();
}

ListedEntry entryOf(const QString &path, const QString &name)
{
    ListedEntry entry;
    entry.name = name;
    entry.sortName = name.toUpper();
#ifdef Q_OS_LINUX
    if (!readFacts(path, entry))
        readFactsFromInfo(QFileInfo(path), entry);
#else
    readFactsFromInfo(QFileInfo(path), entry);
#endif
    entry.typeName = fileTypeName(name, entry.folder);
    entry.hidden = name.startsWith(QLatin1Char('.'));
    return entry;
}

} // namespace

FolderScan::FolderScan(const QString &folder, const FileMasks &masks, bool withFolders)
    : m_iterator(folder, scanFilters(withFolders))
    , m_masks(masks)
{
}

QList<ListedEntry> FolderScan::next(int count)
{
    QList<ListedEntry> entries;
    while (entries.size() < count && m_iterator.hasNext()) {
        const QString path = m_iterator.next();
        const QString name = m_iterator.fileName();
        if (m_masks.matches(name))
            entries.append(entryOf(path, name));
    }
    return entries;
}

QList<ListedEntry> listFolder(const QString &folder, const FileMasks &masks, bool withFolders)
{
    FolderScan scan(folder, masks, withFolders);
    QList<ListedEntry> entries;
    while (!scan.atEnd())
        entries += scan.next(1000);
    return entries;
}
