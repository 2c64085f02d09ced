#pragma once

#include <Qt>

struct ListedEntry;

// The columns of a file list's details view, in their order.
enum class FileColumn { Name, Size, Type, Modified, Created, LastAccess, Attributes, Count };

// The order of a file list: folders before files in either direction; sizes
// as numbers; dates newest first when ascending; the other columns by their
// text in upper case, ties going by the name.
bool entryBefore(const ListedEntry &a, const ListedEntry &b, FileColumn column, Qt::SortOrder order);
