#pragma once

#include "PlannedTree.h"

namespace StyleLibraryAssembly {

// Merges css.da.tsv with the CSS property facts into the CSS library's pre-order.
QList<PlannedNode> assemble(const QString &folder, BuildProblems &problems);

} // namespace StyleLibraryAssembly
