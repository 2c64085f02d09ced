#pragma once

#include "HtmlFacts.h"

// "eventmap.dat" and "globalmap.dat" drawn from the HTML facts and what ships.
namespace HtmlTextMaps {

// One line per event kind, "1701=a, abbr, ...": the shipped real elements (tree order) that
// take an event of that kind.
QStringList eventMap(const HtmlFactTables::HtmlFacts &facts, const QStringList &events, const QStringList &realElements);
// One line per global attribute, "class=!DOCTYPE, !--, base, ...": the shipped elements (tree
// order) that do not take it.
QStringList globalMap(const HtmlFactTables::HtmlFacts &facts, const QStringList &globals, const QStringList &elements);

} // namespace HtmlTextMaps
