#pragma once

#include "resources/LibraryIndex.h"
#include "resources/LibraryLists.h"

#include <QChar>
#include <QStringList>

// What code completion offers after a typed character.
struct CompletionList
{
    QStringList items;
    int kind = 82;    // 81 element names, 82 attributes, -1 attribute values
    bool any = false; // the list is not empty
};

// The candidates for the trigger just typed ("<", a blank, "=" or a double
// quote) on a line whose caret stands at column (counted from 0, after the trigger).
CompletionList CompletionCandidates(QChar trigger, const QString &line, int column, const LibraryLists &lists,
                                    LibraryFiles &files);
