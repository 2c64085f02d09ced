#pragma once

#include <QPoint>
#include <QSize>
#include <QStringList>

// The rules of the completion list that need no widget: how its items are
// ordered, which item the typed letters pick, where it floats and which
// picture each item shows.
namespace CompletionRules {

// The order the list shows: ignoring case, equal items in their given order.
QStringList sorted(QStringList items);

// The first item that begins with the prefix, ignoring case; -1 when none
// does. The items are in the list's order, so the walk stops at the first
// item whose first letter comes after the prefix's.
int itemForPrefix(const QStringList &items, const QString &prefix);

// The prefix with blanks and control characters cut from both ends.
QString trimmed(const QString &prefix);

// The list's top-left corner for a caret at caret (its line's top, in the
// document area), a list of listSize, an area of areaSize and a list font
// of fontPoints: below the caret line, or above it when it would pass the
// area's bottom; pulled left when it would pass the area's right edge.
QPoint place(QPoint caret, QSize listSize, QSize areaSize, int fontPoints);

// The picture of an item in a list of kind 81 (elements), 82 (attributes)
// or -1 (values): an index of the program's image list, -1 for none.
int icon(const QString &item, int kind);

} // namespace CompletionRules
