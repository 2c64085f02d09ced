#include "projects/IndentedTree.h"

namespace {

const QChar EndOfInput(26);

qsizetype indentation(const QString &line)
{
    qsizetype level = 0;
    while (level < line.size() && (line.at(level) == QLatin1Char(' ') || line.at(level) == QLatin1Char('\t')))
        ++level;
    return level;
}

void appendLines(QString &text, const QList<TreeNode> &nodes, qsizetype level)
{
    for (const TreeNode &node : nodes) {
        text += QString(level, QLatin1Char(' ')) + node.text + QLatin1String("\r\n");
        appendLines(text, node.children, level + 1);
    }
}

} // namespace

IndentedTree parseIndentedLines(const QStringList &lines)
{
    IndentedTree tree;
    // The lists a new line may join: the top level first, then the children
    // of the last node on each level. Only the deepest list grows, so the
    // lists above it stay where they are.
    QList<QList<TreeNode> *> open{&tree.nodes};
    for (const QString &line : lines) {
        if (line == EndOfInput)
            break;
        const qsizetype level = indentation(line);
        if (level >= open.size()) {
            tree.error = QStringLiteral("Invalid TreeNode Level");
            break;
        }
        open.resize(level + 1);
        QList<TreeNode> *siblings = open.last();
        siblings->append(TreeNode{line.mid(level), {}});
        open.append(&siblings->last().children);
    }
    return tree;
}

QString indentedText(const QList<TreeNode> &nodes)
{
    QString text;
    appendLines(text, nodes, 0);
    return text;
}
