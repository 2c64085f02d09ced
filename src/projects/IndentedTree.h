#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A node of a tree kept as indented text: its text and its children in order.
struct TreeNode
{
    QString text;
    QList<TreeNode> children;
};

// The nodes read from indented lines.
struct IndentedTree
{
    QList<TreeNode> nodes; // the top level
    // "Invalid TreeNode Level" when a line lies more than one level below its
    // predecessor (or the first line is indented); the nodes before it are
    // kept and the rest of the lines is not read. Empty otherwise.
    QString error;
};

// The leading blanks and tabs of a line give its level, each counting one;
// they are not part of the text. A line of a single Ctrl+Z ends the input.
IndentedTree parseIndentedLines(const QStringList &lines);

// One line per node in pre-order: a blank per level, then the text, each line
// ended by CR LF.
QString indentedText(const QList<TreeNode> &nodes);
