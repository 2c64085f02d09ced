#pragma once

#include "search/SearchQuery.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>

// What a replacement across files did with one file.
struct FileReplacement
{
    QString path;
    int count = 0; // occurrences replaced
    QString problem; // why the file was skipped and left as it was; empty when done
};

struct ReplaceReport
{
    QList<FileReplacement> files; // in the order given
    int replaced() const;
    int skipped() const;
};

// A file's backup copy: its whole name with ".BAK" added, so that no two
// files share one ("index.htm" and "index.html" both have theirs).
QString backupPathFor(const QString &path);

// Replaces every occurrence of the query's text in each file, on every core.
// A file keeps its encoding, its line breaks and whether it ends in one; a
// file without occurrences is not written. With `backup` the file's old bytes
// are copied to its backup first, unless its path holds "~" (the program's
// temporary copies). A file that cannot be read, backed up or written is
// skipped with its reason and the others go on. A file named twice is done
// once; names that differ in case are different files. `stop`, set from any
// thread, leaves the files not yet begun untouched and out of the report.
ReplaceReport replaceInFiles(const QStringList &paths, const SearchQuery &query, const QString &replacement, bool backup,
                             const std::atomic_bool *stop = nullptr);
