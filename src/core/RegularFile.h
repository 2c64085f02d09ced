#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The whole content of a regular file. The file is opened without waiting, so
// that a named pipe or a device at the path cannot hold the caller; anything
// but a regular file, and a file that cannot be opened or read, gives nothing.
std::optional<QByteArray> readRegularFile(const QString &path);
