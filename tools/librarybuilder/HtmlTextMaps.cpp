#include "HtmlTextMaps.h"

#include <QMap>

namespace HtmlTextMaps {

using HtmlFactTables::EventFact;
using HtmlFactTables::HtmlFacts;

namespace {

// The shipped elements among a fact's comma list, in tree order ("*": all of them).
QStringList shippedAmong(const QString &list, const QStringList &realElements)
{
    if (list.trimmed() == QLatin1String("*"))
        return realElements;
    const QStringList named = SourceFiles::commaItems(list);
    QStringList result;
    for (const QString &element : realElements) {
        if (named.contains(element))
            result.append(element);
    }
    return result;
}

} // namespace

QStringList eventMap(const HtmlFacts &facts, const QStringList &events, const QStringList &realElements)
{
    QMap<int, QStringList> elementsOfKind;
    for (const QString &event : events) {
        const EventFact &fact = facts.events[event];
        QStringList &list = elementsOfKind[fact.kind];
        for (const QString &element : shippedAmong(fact.elements, realElements)) {
            if (!list.contains(element))
                list.append(element);
        }
    }
    QStringList lines;
    for (auto it = elementsOfKind.cbegin(); it != elementsOfKind.cend(); ++it) {
        QStringList ordered; // tree order, whatever order the events brought them in
        for (const QString &element : realElements) {
            if (it->contains(element))
                ordered.append(element);
        }
        lines.append(QString::number(it.key()) + QLatin1Char('=') + ordered.join(QLatin1String(", ")));
    }
    return lines;
}

QStringList globalMap(const HtmlFacts &facts, const QStringList &globals, const QStringList &elements)
{
    QStringList lines;
    for (const QString &name : globals)
        lines.append(name + QLatin1Char('=') + shippedAmong(facts.globals[name].except, elements).join(QLatin1String(", ")));
    return lines;
}

} // namespace HtmlTextMaps
