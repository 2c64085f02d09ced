#include "dialogs/element/ElementEdit.h"

#include "html/MarkupWriting.h"

void ElementEdit::clear()
{
    *this = ElementEdit();
}

void ElementEdit::splitPercent(int from, int to)
{
    QString &value = ElementValues[from];
    if (value.endsWith(u'%')) {
        value.chop(1);
        ElementValues[to] = QStringLiteral("%");
    } else {
        ElementValues[to] = QStringLiteral("-1");
    }
}

std::optional<int> ElementEdit::takeNumber(int index, const QString &attribute, int markerSlot)
{
    const QString value = ElementValues.at(index);
    if (value.isEmpty())
        return std::nullopt;
    if (isWholeNumber(value))
        return value.toInt();
    const bool hadPercent = markerSlot >= 0 && ElementValues.at(markerSlot) == QLatin1String("%");
    keep(attribute, hadPercent ? value + u'%' : value);
    return std::nullopt;
}

void ElementEdit::keep(const QString &attribute, const QString &value)
{
    PreservedRemainder += FormatAttribute(attribute, value);
}

EventRows ElementEdit::eventRows(const QStringList &elementEvents) const
{
    EventRows rows;
    if (!EditMode) {
        for (const QString &event : elementEvents)
            rows.append({event, QString()});
        return rows;
    }
    EventRows withoutAction;
    for (const QString &line : EventAttributeList) {
        const qsizetype equals = line.indexOf(u'=');
        std::pair<QString, QString> row{line.left(equals), equals < 0 ? QString() : line.mid(equals + 1)};
        (row.second.isEmpty() ? withoutAction : rows).append(row);
    }
    return rows + withoutAction;
}

bool isWholeNumber(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    bool fits = false;
    text.toInt(&fits);
    return fits;
}
