#pragma once

#include "PlannedTree.h"
#include "SourceFiles.h"

#include <QHash>

#include <functional>
#include <optional>

// The lines that every Danish tree file shares: the root ("!") and the categories ("[...]"),
// and the checks every line goes through.
namespace TreeLines {

bool isRoot(const DanishLine &line);
bool isCategory(const DanishLine &line);

// The root record (level 0, kind 0) captioned with the library's name.
PlannedNode root(const DanishFile &file, const DanishLine &line, const QString &caption, BuildProblems &problems);
// A category (level 1) of the given folder kind, captioned with the text between the brackets.
PlannedNode category(const DanishFile &file, const DanishLine &line, int kind, BuildProblems &problems);

// The line's text number `index`; a missing or empty text is a problem (the entry would ship
// without a description or a name).
QString requiredText(const DanishFile &file, const DanishLine &line, int index, const QString &what, BuildProblems &problems);

// Tells whether the key is new; a key seen before in the file is a problem.
bool firstOccurrence(const DanishFile &file, const DanishLine &line, QHash<QString, int> &seen, BuildProblems &problems);

// The nodes of a library whose file holds a root, categories and entries under them: each
// entry line (neither root nor category, and not seen before) goes to `entry`, which gives
// its node or nothing when the line is a problem.
QList<PlannedNode> planLibrary(const DanishFile &file, const QString &rootCaption, int categoryKind, BuildProblems &problems,
                               const std::function<std::optional<PlannedNode>(const DanishLine &)> &entry);

} // namespace TreeLines
