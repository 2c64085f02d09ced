#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>

#include <optional>

// The served files kept in memory while they stay as they were on disk (the
// same size and time), so that a picture asked for again is neither read nor
// copied into a new buffer. Large files are read every time, and the cache is
// emptied when it would pass its limit.
class FileCache
{
public:
    // The file's bytes, or nothing when it is no regular file or cannot be read.
    std::optional<QByteArray> read(const QString &path);

private:
    struct Entry
    {
        QDateTime modified;
        qint64 size;
        QByteArray bytes;
    };
    static constexpr qint64 LargestCachedFile = 16 * 1024 * 1024;
    static constexpr qint64 Limit = 64 * 1024 * 1024;

    QHash<QString, Entry> m_entries;
    qint64 m_bytes = 0;
};
