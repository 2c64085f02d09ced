#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Opens a regular file for reading without waiting, so that a named pipe or a
// device at the path cannot hold the caller: the open descriptor and the
// file's size, or nothing for anything but a regular file that opens.
struct OpenedRegularFile
{
    int descriptor;
    qint64 size;
};
std::optional<OpenedRegularFile> openRegularFile(const QByteArray &nativePath);

// The whole content of a regular file (opened as above); nothing when it is
// no regular file or cannot be read.
std::optional<QByteArray> readRegularFile(const QString &path);
