#include "files/FolderListing.h"

#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>

QString ListedEntry::attributes() const
{
    QString letters;
    if (folder)
        letters += QLatin1Char('D');
    if (!writable)
        letters += QLatin1Char('R');
    if (hidden)
        letters += QLatin1Char('H');
    return letters;
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

ListedEntry entryOf(const QFileInfo &info)
{
    ListedEntry entry;
    entry.name = info.fileName();
    entry.sortName = entry.name.toUpper();
    entry.folder = info.isDir();
    entry.size = entry.folder ? 0 : info.size();
    entry.typeName = fileTypeName(entry.name, entry.folder);
    entry.modified = info.lastModified();
    entry.created = info.birthTime();
    entry.lastAccess = info.lastRead();
    entry.writable = info.isWritable();
    entry.hidden = entry.name.startsWith(QLatin1Char('.'));
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
        m_iterator.next();
        const QFileInfo info = m_iterator.fileInfo();
        if (m_masks.matches(info.fileName()))
            entries.append(entryOf(info));
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
