#pragma once

#include "BuildProblems.h"

#include <QByteArray>
#include <QStringList>

namespace OutputFiles {

// Writes the file whole (beside, then renamed), so a reader never sees half a file.
void write(const QString &folder, const QString &name, const QByteArray &bytes, BuildProblems &problems);
// Lines ended by a line feed, UTF-8.
QByteArray lines(const QStringList &lines);

} // namespace OutputFiles
