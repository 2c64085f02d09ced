#include "PlannedTree.h"

namespace PlannedTree {
namespace {

void append(QByteArray &bytes, const PlannedNode &node, BuildProblems &problems)
{
    QString error;
    if (const auto record = LibraryRecordFormat::encode(node.record, &error))
        bytes += *record;
    else
        problems.add(node.place, node.entry, error);
}

} // namespace

QByteArray encode(QList<PlannedNode> &nodes, BuildProblems &problems)
{
    QByteArray bytes;
    // indexes[k] is the sibling index of the open node at level k + 1; a new node at level L
    // keeps indexes[0 .. L-2] of its ancestors and counts on from its previous sibling.
    QList<int> indexes;
    int previousLevel = 0;
    bool seenRoot = false;
    for (PlannedNode &node : nodes) {
        const int level = node.level;
        if (level == 0) {
            if (seenRoot)
                problems.add(node.place, node.entry, QStringLiteral("a second root"));
            seenRoot = true;
            indexes.clear();
        } else if (level > previousLevel + 1 || !seenRoot) {
            problems.add(node.place, node.entry,
                         QStringLiteral("skips a tree level (level %1 after level %2)").arg(level).arg(previousLevel));
            continue;
        } else {
            if (level > indexes.size())
                indexes.append(-1);
            indexes.resize(level);
            ++indexes[level - 1];
            if (indexes[level - 1] == MaxChildren)
                problems.add(node.place, node.entry,
                             QStringLiteral("is child number %1 of its parent; a node holds at most %2")
                                 .arg(MaxChildren + 1)
                                 .arg(MaxChildren));
        }
        previousLevel = level;
        node.record.Id = LibraryRecordFormat::positionCode(indexes);
        append(bytes, node, problems);
    }
    return bytes;
}

QByteArray encodeFlat(const QList<PlannedNode> &nodes, BuildProblems &problems)
{
    QByteArray bytes;
    for (const PlannedNode &node : nodes)
        append(bytes, node, problems);
    return bytes;
}

} // namespace PlannedTree
