#pragma once

#include "resources/LibraryIconIndexes.h"
#include "resources/LibraryLists.h"
#include "resources/LibraryRecord.h"

#include <QList>
#include <QString>

#include <optional>

// One node of a library tree, as the tree view shows it.
struct LibraryNode
{
    QString text; // the record's Code: caption and inserted code
    int icon = LibraryIcon::Entry;
    int parent = -1; // index of the parent node, -1 at top level
    qint32 kind = 0;
    bool checkable = false; // attributes get an unticked check box
};

// The nodes of a library in pre-order (every parent before its children,
// siblings in order), ready to be put into a tree view.
struct LibraryTree
{
    QList<LibraryNode> nodes;
    // "Ulovligt TreeNode niveau" when a record skipped a level or climbed
    // above the top; the nodes read before it are kept. Empty otherwise.
    QString error;
};

// Builds the tree from the records' order and levels alone and extends the
// lists by each record's kind. Elements named in tagCheckExclusions (compared
// ignoring case) stay out of TagCheckElements.
LibraryTree BuildLibraryTree(const QList<LibraryRecord> &records, LibraryLists &lists, const QStringList &tagCheckExclusions);

// The same for a record file; nothing when the file cannot be read.
std::optional<LibraryTree> LoadLibraryTree(const QString &path, LibraryLists &lists, const QStringList &tagCheckExclusions);
