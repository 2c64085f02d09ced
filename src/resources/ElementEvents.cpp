#include "resources/ElementEvents.h"

#include "html/CommaText.h"

namespace {

// Whether the value of the first "name=value" line with that name lists the item.
bool mapLists(const QStringList &map, QStringView name, QStringView item)
{
    for (const QString &line : map) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals >= 0 && QStringView(line).left(equals) == name)
            return CommaText::contains(QStringView(line).sliced(equals + 1), item);
    }
    return false;
}

} // namespace

QStringList ElementEvents(const QString &element, const QStringList &eventGroups, const QStringList &eventMap)
{
    QStringList events;
    for (const QString &group : eventGroups) {
        const qsizetype equals = group.indexOf(QLatin1Char('='));
        if (equals < 0 || !mapLists(eventMap, QStringView(group).left(equals), element))
            continue;
        for (const QStringView event : QStringView(group).sliced(equals + 1).split(QStringLiteral(", ")))
            events.append(event.toString());
    }
    return events;
}
