#pragma once

#include "PlannedTree.h"

namespace SpecialCharacterAssembly {

// One record per shipped named reference, in the order the conversions rely on: the seven
// characters they must never touch first, then the rest (see the README).
QList<PlannedNode> assemble(const QString &folder, BuildProblems &problems);

} // namespace SpecialCharacterAssembly
