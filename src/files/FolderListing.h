#pragma once

#include "files/FileMasks.h"

#include <QDateTime>
#include <QDirIterator>
#include <QList>
#include <QString>

#include <limits>
#include <memory>

// One entry of a file list, with everything its columns and its order need.
struct ListedEntry
{
    QString name;
    QString sortName; // the name in upper case, the order's text
    QString typeName;
    qint64 size = 0; // bytes; 0 for a folder
    // Milliseconds since the epoch (UTC), or NoTime where the file system does
    // not keep the time: a listing turns them into dates only for display.
    static constexpr qint64 NoTime = std::numeric_limits<qint64>::min();
    qint64 modified = NoTime;
    qint64 created = NoTime;
    qint64 lastAccess = NoTime;
    bool folder = false;
    bool writable = true;
    bool hidden = false; // a dot-name
    // Learnt after the listing, from the publish record.
    bool changedSincePublishing = false;

    // "D" (folder), "A" (changed since publishing), "R" (not writable), "H"
    // (hidden), in that order.
    QString attributes() const;
    // A time in local time; invalid for NoTime.
    static QDateTime dateTime(qint64 time);
};

// The type name the desktop gives files of this name, or of folders.
QString fileTypeName(const QString &fileName, bool folder);

// Reads a folder's entries that match the masks, in the file system's order,
// a piece at a time so that a large folder can be shown while it is read.
// Subfolders (not "." and "..") are entries too when asked for. An
// unreadable or missing folder gives no entries.
class FolderScan
{
public:
    FolderScan(const QString &folder, const FileMasks &masks, bool withFolders);

    // Up to `count` further entries; an empty list once the folder is read.
    QList<ListedEntry> next(int count);
    bool atEnd() const { return !m_iterator.hasNext(); }

private:
    QDirIterator m_iterator;
    FileMasks m_masks;
};

// The whole folder at once.
QList<ListedEntry> listFolder(const QString &folder, const FileMasks &masks, bool withFolders);
