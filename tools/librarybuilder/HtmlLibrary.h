#pragma once

#include "DialogHelp.h"
#include "PlannedTree.h"

#include <QStringList>

// The HTML library and the two text maps drawn from the same facts.
struct HtmlLibrary
{
    QList<PlannedNode> nodes; // pre-order
    QStringList eventMap; // "1701=a, abbr, ..."
    QStringList globalMap; // "class=base, head, ..."
};

namespace HtmlLibraryAssembly {

// Merges html.da.tsv with the HTML facts; the help folder goes last, under the last category,
// and every entry named in helpkeys.tsv gets its key.
HtmlLibrary assemble(const QString &folder, const DialogHelp &help, BuildProblems &problems);

} // namespace HtmlLibraryAssembly
