#pragma once

#include <QList>
#include <QStringList>

// Turns the library sources (data/library) into the program's data files.
namespace LibraryBuild {

// The record files, text maps and lists that the build writes, by name.
QStringList outputNames();

// Reads the sources in sourceFolder and, when nothing is wrong with them, writes every output
// into outputFolder. Returns the problems found ("file:line: entry: what"); when there are
// any, nothing is written.
QStringList run(const QString &sourceFolder, const QString &outputFolder, const QList<int> &keysTheDialogsUse);

} // namespace LibraryBuild
