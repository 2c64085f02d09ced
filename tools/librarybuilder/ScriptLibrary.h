#pragma once

#include "PlannedTree.h"

namespace ScriptLibraryAssembly {

// Merges js.da.tsv with the JavaScript member and keyword facts into the library's pre-order.
QList<PlannedNode> assemble(const QString &folder, BuildProblems &problems);

} // namespace ScriptLibraryAssembly
