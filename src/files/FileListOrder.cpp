#include "files/FileListOrder.h"

#include "files/FolderListing.h"

namespace {

template <typename T> int compareValues(const T &a, const T &b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

int compareTexts(const QString &a, const QString &b)
{
    return compareValues(a.toUpper(), b.toUpper());
}

// Negative when a comes first in ascending order.
int compareBy(const ListedEntry &a, const ListedEntry &b, FileColumn column)
{
    switch (column) {
    case FileColumn::Size:
        return compareValues(a.size, b.size);
    case FileColumn::Modified:
        return compareValues(b.modified, a.modified);
    case FileColumn::Created:
        return compareValues(b.created, a.created);
    case FileColumn::LastAccess:
        return compareValues(b.lastAccess, a.lastAccess);
    case FileColumn::Type:
        return compareTexts(a.typeName, b.typeName);
    case FileColumn::Attributes:
        return compareTexts(a.attributes(), b.attributes());
    case FileColumn::Name:
    case FileColumn::Count:
        break;
    }
    return 0;
}

} // namespace

bool entryBefore(const ListedEntry &a, const ListedEntry &b, FileColumn column, Qt::SortOrder order)
{
    if (a.folder != b.folder)
        return a.folder;
    int result = compareBy(a, b, column);
    if (result == 0)
        result = compareValues(a.sortName, b.sortName);
    if (result == 0)
        result = compareValues(a.name, b.name);
    return order == Qt::AscendingOrder ? result < 0 : result > 0;
}
