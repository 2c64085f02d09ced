#pragma once

#include <QString>
#include <QStringList>

// What a node of a library tree puts into a document, by the rules of its
// library. Decided from a plain description of the node, so the rules run
// without a window.
namespace LibraryInsertion {

enum class Library { Html = 1, Css = 2, JavaScript = 3 };

struct Node
{
    QString text;
    int level = 0; // 0: the root
    int kind = 0; // kind code of its record
    bool hasChildren = false;
    QStringList tickedChildren; // texts of the ticked children, in order
    QStringList ancestors; // texts from level 1 down to the parent
    int categoryIndex = -1; // index of its level-1 ancestor among the root's children
};

struct Insertion
{
    // AtCaret: text in place of the selection; Wrap: text before the
    // selection and close after it; Enclose: text, the selected text and
    // close, together in place of the selection.
    enum class Mode { Nothing, AtCaret, Wrap, Enclose };
    Mode mode = Mode::Nothing;
    QString text;
    QString close;
};

// Whether the node inserts anything: the context menu opens and a drag is
// taken by the editor only for such nodes.
bool inserts(Library library, const Node &node);

// The insertion; the comment node encloses the selection in a comment.
Insertion insertionFor(Library library, const Node &node);

} // namespace LibraryInsertion
