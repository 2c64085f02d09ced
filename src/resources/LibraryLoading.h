#pragma once

#include <QString>
#include <QStringList>

class Prompter;
class QTreeWidget;
class THETreeView;
struct LibraryLists;

// The kind code of a library node's record, kept on its tree item.
constexpr int LibraryKindRole = Qt::UserRole + 101;

// Fills the tree from a library record file and extends the lists. A missing
// file, or a record that skips a level, is told through the prompter; after a
// level error the nodes read so far stay. True when the whole file was read.
bool LoadLibrary(const QString &path, THETreeView &tree, LibraryLists &lists, const QStringList &tagCheckExclusions,
                 Prompter &prompter);

// Tells that a program file is missing: `format` takes the program's name and
// the file's path.
void tellMissing(Prompter &prompter, const QString &path, const QString &format);

// Fills the special-character list, one row per record: the character, its
// description, its HTML text and its decimal reference. A missing file is told
// through the prompter.
bool LoadSpecialCharacters(const QString &path, QTreeWidget &list, Prompter &prompter);
