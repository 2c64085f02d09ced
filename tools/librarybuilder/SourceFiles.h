#pragma once

#include "BuildProblems.h"

#include <QList>
#include <QStringList>

// One data row of a fact file, its cells in the order the reader asked for.
struct FactRow
{
    int line = 0;
    QStringList cells;
};

// A tab-separated fact file of facts/ (one header line).
struct FactTable
{
    QString fileName; // as the messages name it: "facts/html-elements.tsv"
    QList<FactRow> rows;

    SourcePlace placeOf(const FactRow &row) const { return {fileName, row.line}; }
};

// One line of a Danish file: its key and the texts after it.
struct DanishLine
{
    int line = 0;
    QString key;
    QStringList texts;
};

struct DanishFile
{
    QString fileName;
    QList<DanishLine> lines;

    SourcePlace placeOf(const DanishLine &line) const { return {fileName, line.line}; }
};

namespace SourceFiles {

// Reads facts/<name> of the library folder, keeping the named columns in that order.
FactTable readFacts(const QString &folder, const QString &name, const QStringList &columns, BuildProblems &problems);
// Reads <name> of the library folder: "key<TAB>text...", "#" comment lines and blank lines
// skipped, keys taken exactly as written.
DanishFile readDanish(const QString &folder, const QString &name, BuildProblems &problems);
// The non-blank lines of a plain text file.
QStringList readLines(const QString &folder, const QString &name, BuildProblems &problems);
// A comma list of a fact cell ("a,b, c") as its items.
QStringList commaItems(const QString &text);

} // namespace SourceFiles
