#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What the publish record compares a file by: its size and modification time
// (nanoseconds since the epoch), cheap to read, and its SHA-256, read only
// when those two disagree with the record.
struct FileState
{
    qint64 size = 0;
    qint64 modified = 0;

    bool operator==(const FileState &) const = default;
};

// The size and time of a regular file; nothing for a missing file, a folder or
// anything else that is not a regular file.
std::optional<FileState> readFileState(const QString &path);

// The SHA-256 of a regular file's content (32 bytes); empty when it cannot be read.
QByteArray fileSha256(const QString &path);
