#include "dialogs/element/ElementLocator.h"

#include "dialogs/element/ListPanel.h"
#include "editor/EditableText.h"
#include "html/ElementSections.h"

namespace {

// The character at a place; a line break (or the end) past a line's last one.
QChar characterAt(const EditableText &text, TextPos place)
{
    const QString line = text.GetLine(place.line);
    return place.column < line.size() ? line.at(place.column) : QChar(u'\n');
}

bool endsName(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'/' || c == u'>';
}

// The next start tag of the name ("<" and the name, followed by a blank, "/"
// or ">") from a place on.
std::optional<EditableText::Match> nextStartTag(const EditableText &text, const QString &name, TextPos from)
{
    const QString opening = u'<' + name;
    for (;;) {
        const std::optional<EditableText::Match> found = text.findFrom(opening, from);
        if (!found || endsName(characterAt(text, found->end)))
            return found;
        from = found->end;
    }
}

// The last such start tag ending at or before a place.
std::optional<EditableText::Match> previousStartTag(const EditableText &text, const QString &name, TextPos before)
{
    const QString opening = u'<' + name;
    for (;;) {
        const std::optional<EditableText::Match> found = text.findBackFrom(opening, before);
        if (!found || endsName(characterAt(text, found->end)))
            return found;
        before = found->start;
    }
}

// The end tag of a paired element after its start tag, when another start
// tag of the same name does not come first.
std::optional<EditableText::Match> endTagOf(const EditableText &text, const QString &name, TextPos after)
{
    const std::optional<EditableText::Match> end = text.findFrom(QStringLiteral("</%1>").arg(name), after);
    if (!end)
        return std::nullopt;
    const std::optional<EditableText::Match> nextStart = nextStartTag(text, name, after);
    if (nextStart && nextStart->start < end->start)
        return std::nullopt;
    return end;
}

// Whether a place lies within a top-level script section, after its start
// tag's "<" and before the end of its end tag; a script without an end tag
// holds nothing.
bool insideScript(const QList<HTMLElement> &scripts, TextPos place)
{
    for (const HTMLElement &script : scripts) {
        if (script.depth == 0 && script.endLine != -1 && TextPos{script.startLine, script.startColumn} < place
            && place < TextPos{script.endLine, script.endColumn})
            return true;
    }
    return false;
}

// Where a list ends: after its end tag, or after its start tag when it has
// none. Nothing for a list holding another list, whose items cannot be told
// apart.
std::optional<TextPos> listEnd(const EditableText &text, const LocatedElement &list)
{
    std::optional<EditableText::Match> firstEnd;
    for (const char *endTag : {"</ul", "</ol"}) {
        const std::optional<EditableText::Match> end = text.findFrom(QString::fromLatin1(endTag), list.end);
        if (end && (!firstEnd || end->start < firstEnd->start))
            firstEnd = end;
    }
    if (!firstEnd)
        return list.end;
    // Up to the line after the first end tag: enough for its ">".
    const QString stretch = text.textBetween(list.start, {firstEnd->end.line + 1, 0});
    const ListExtent extent = findListExtent(stretch, 0);
    switch (extent.result) {
    case ListExtent::Result::EndTag:
        return placeAfter(list.start, stretch, extent.end);
    case ListExtent::Result::NoEndTag:
        return list.end;
    case ListExtent::Result::NestedList:
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<LocatedElement> locateElementAt(const EditableText &text, TextPos caret)
{
    const std::optional<EditableText::Match> open = text.findBackFrom(QStringLiteral("<"), caret);
    if (!open)
        return std::nullopt;
    const std::optional<EditableText::Match> close = text.findFrom(QStringLiteral(">"), open->end);
    if (!close)
        return std::nullopt;
    LocatedElement element;
    element.start = open->start;
    element.end = close->end;
    element.tag = text.textBetween(open->start, close->end);
    if (element.tag.count(u'"') % 2 != 0)
        return std::nullopt;
    element.index = ElementIndexOf(element.tag);
    const QString &name = ElementTable::entry(element.index).name;
    if (name == QLatin1String("ul") || name == QLatin1String("ol")) {
        const std::optional<TextPos> end = listEnd(text, element);
        if (!end)
            return std::nullopt;
        element.end = *end;
        return element;
    }
    if (ElementTable::isPaired(element.index) && !element.tag.endsWith(QLatin1String("/>"))) {
        if (const std::optional<EditableText::Match> end = endTagOf(text, name, close->end)) {
            element.content = text.textBetween(close->end, end->start);
            element.end = end->end;
        }
    }
    return element;
}

std::optional<TextPos> enclosingMapStart(const EditableText &text, TextPos elementStart)
{
    const std::optional<EditableText::Match> map = previousStartTag(text, QStringLiteral("map"), elementStart);
    if (!map)
        return std::nullopt;
    return map->start;
}

std::optional<TextPos> firstStartTagOutsideScripts(const EditableText &text, const QString &name)
{
    std::optional<EditableText::Match> found = nextStartTag(text, name, {1, 0});
    if (!found)
        return std::nullopt;
    const QList<HTMLElement> scripts = FindElementSections(text, QStringLiteral("script"));
    while (found && insideScript(scripts, found->start))
        found = nextStartTag(text, name, found->end);
    if (!found)
        return std::nullopt;
    return found->end;
}
