#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The lines of a small data file: UTF-8 when the bytes are valid UTF-8, else
// Latin-1; any of "\r\n", "\n" and "\r" ends a line, and a break after the
// last line gives no empty line of its own. Nothing when it cannot be read.
std::optional<QStringList> readTextFileLines(const QString &path);
