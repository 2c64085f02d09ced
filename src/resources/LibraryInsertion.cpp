#include "resources/LibraryInsertion.h"

namespace LibraryInsertion {
namespace {

const QString CommentNode = QStringLiteral("<!--   -->");
constexpr int AttributeLevel = 3;
constexpr int ElementLevel = 2;
// Script categories from this index on are instances and keywords, whose
// members are inserted without a prefix.
constexpr int LastPrefixedCategory = 9;

bool isElementKind(int kind)
{
    return kind >= 1200 && kind <= 1299;
}

// An element's text with its ticked attributes in its start tag, inserted
// whole (an element without end tag, always ending in " />") or around the
// selection.
Insertion htmlElement(const Node &node)
{
    QString text = node.text;
    if (node.hasChildren) {
        QString attributes;
        for (const QString &child : node.tickedChildren)
            attributes += QLatin1Char(' ') + child;
        const qsizetype close = text.indexOf(QLatin1Char('>'));
        if (close >= 0)
            text.insert(close, attributes);
    }
    const qsizetype between = text.indexOf(QStringLiteral("><"));
    if (between < 0) {
        const qsizetype slash = text.indexOf(QStringLiteral(" /"));
        if (slash >= 0)
            text.remove(slash, 2);
        text.insert(std::max<qsizetype>(0, text.size() - 1), QStringLiteral(" /"));
        return {Insertion::Mode::AtCaret, text, {}};
    }
    return {Insertion::Mode::Wrap, text.left(between + 1), text.mid(between + 1)};
}

Insertion html(const Node &node)
{
    if (node.text == CommentNode)
        return {Insertion::Mode::Enclose, QStringLiteral("<!-- "), QStringLiteral(" -->")};
    if (node.level == AttributeLevel)
        return {Insertion::Mode::AtCaret, node.text, {}};
    // A folder at the element level (such as a group of events) has no markup of its own.
    if (node.level == ElementLevel && isElementKind(node.kind))
        return htmlElement(node);
    return {};
}

Insertion script(const Node &node)
{
    if (node.level == ElementLevel && node.categoryIndex > LastPrefixedCategory)
        return {Insertion::Mode::AtCaret, node.text, {}};
    QStringList path = node.ancestors;
    path.append(node.text);
    return {Insertion::Mode::AtCaret, path.join(QLatin1Char('.')), {}};
}

} // namespace

Insertion insertionFor(Library library, const Node &node)
{
    switch (library) {
    case Library::Html:
        return html(node);
    case Library::Css:
        if (node.hasChildren)
            return {};
        return {Insertion::Mode::AtCaret, node.text + QLatin1Char(':'), {}};
    case Library::JavaScript:
        if (node.hasChildren)
            return {};
        return script(node);
    }
    return {};
}

bool inserts(Library library, const Node &node)
{
    if (library == Library::Html && node.text == CommentNode)
        return node.level == ElementLevel || node.level == AttributeLevel;
    return insertionFor(library, node).mode != Insertion::Mode::Nothing;
}

} // namespace LibraryInsertion
