#pragma once

#include <QStringList>

// The search of the library tab over a tree's node texts in display order.
namespace LibrarySearch {

// Index of the first text after `position` that contains `what`, both with
// the letters A-Z lowered; -1 when there is none or `what` is empty.
int nextMatch(const QStringList &texts, int position, const QString &what);

} // namespace LibrarySearch
