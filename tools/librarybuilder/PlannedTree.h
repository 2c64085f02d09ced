#pragma once

#include "BuildProblems.h"

#include "resources/LibraryRecord.h"

#include <QByteArray>
#include <QList>

// One record of a library as an assembler plans it: its tree level and where it came from.
// The position code is given when the tree is written.
struct PlannedNode
{
    int level = 0;
    LibraryRecord record;
    SourcePlace place;
    QString entry; // the source key, for messages
};

namespace PlannedTree {

constexpr int MaxChildren = 99;

// Gives every node its position code from the levels in pre-order and encodes the records.
// A level jump, a node with more than 99 children and a text wider than its field are
// problems; the bytes are meaningful only when there were none.
QByteArray encode(QList<PlannedNode> &nodes, BuildProblems &problems);

// Encodes a flat list whose records keep the Id they were given (no tree levels).
QByteArray encodeFlat(const QList<PlannedNode> &nodes, BuildProblems &problems);

} // namespace PlannedTree
