#pragma once

#include "resources/LibraryIconIndexes.h"
#include "resources/LibraryIndex.h"
#include "resources/LibraryLists.h"

#include <QChar>
#include <QStringList>

// The kinds of completion list: the two lists of names go by the picture of
// their items.
namespace CompletionKind {
constexpr int Elements = LibraryIcon::Element;
constexpr int Attributes = LibraryIcon::Entry;
constexpr int Values = -1;
} // namespace CompletionKind

// What code completion offers after a typed character.
struct CompletionList
{
    QStringList items;
    int kind = CompletionKind::Attributes;
    bool any = false; // the list is not empty
};

// The candidates for the trigger just typed ("<", a blank, "=" or a double
// quote) on a line whose caret stands at column (counted from 0, after the trigger).
CompletionList CompletionCandidates(QChar trigger, const QString &line, int column, const LibraryLists &lists,
                                    LibraryFiles &files);
