#include "resources/CompletionCandidates.h"

#include "html/CommaText.h"
#include "resources/ElementEvents.h"

#include <algorithm>

namespace {

const QString EmptyValue = QStringLiteral("=\"\"");

bool isValueTrigger(QChar trigger)
{
    return trigger == QLatin1Char('"') || trigger == QLatin1Char('=');
}

// The text of the tag being typed: what lies after the last "<" before the
// trigger; nothing when the caret is not inside a tag.
std::optional<QString> tagText(const QString &line, int column)
{
    const qsizetype firstOpen = line.indexOf(QLatin1Char('<'));
    if (firstOpen < 0 || firstOpen >= column)
        return std::nullopt;
    QString text = line.left(column);
    text.chop(1);
    text = text.mid(text.lastIndexOf(QLatin1Char('<')) + 1);
    if (text.contains(QLatin1Char('>')))
        return std::nullopt;
    return text;
}

QStringList attributesOf(const QString &element, qsizetype elementIndex, const LibraryLists &lists)
{
    QStringList items = CommaText::split(lists.ElementAttributes.value(elementIndex));
    for (const QString &line : lists.GlobalAttributeMap) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals >= 0 && !CommaText::contains(QStringView(line).sliced(equals + 1), element))
            items.append(line.left(equals) + EmptyValue);
    }
    std::sort(items.begin(), items.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    for (const QString &event : ElementEvents(element, lists.EventGroups, lists.EventMap))
        items.append(event + EmptyValue);
    return items;
}

} // namespace

CompletionList CompletionCandidates(QChar trigger, const QString &line, int column, const LibraryLists &lists,
                                    LibraryFiles &files)
{
    CompletionList list;
    if (trigger == QLatin1Char('<')) {
        list.items = lists.ElementNames;
        list.kind = CompletionKind::Elements;
    } else if (const std::optional<QString> tag = tagText(line, column)) {
        QString element = tag->section(QLatin1Char(' '), 0, 0);
        if (element != QLatin1String("!DOCTYPE"))
            element = element.toLower();
        const qsizetype elementIndex = lists.ElementNames.indexOf(element);
        if (elementIndex < 0)
            element.clear();
        if (isValueTrigger(trigger)) {
            QString attribute = tag->mid(tag->lastIndexOf(QLatin1Char(' ')) + 1);
            if (trigger == QLatin1Char('"'))
                attribute.chop(1);
            list.items = CommaText::split(files.AttributeValues(element, attribute));
            list.kind = CompletionKind::Values;
        } else if (elementIndex >= 0) {
            list.items = attributesOf(element, elementIndex, lists);
        }
    }
    list.any = !list.items.isEmpty();
    return list;
}
