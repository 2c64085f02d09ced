#include "dialogs/element/ListPanel.h"

#include <QRegularExpression>

namespace {

const QString NumberTypes[] = {QStringLiteral("1"), QStringLiteral("I"), QStringLiteral("i"), QStringLiteral("A"),
                               QStringLiteral("a")};
const QString BulletTypes[] = {QStringLiteral("circle"), QStringLiteral("square")};

qsizetype find(const QString &text, QLatin1String what, qsizetype from)
{
    return text.indexOf(what, from, Qt::CaseInsensitive);
}

// The earliest of the found places, or -1.
qsizetype earliest(std::initializer_list<qsizetype> places)
{
    qsizetype first = -1;
    for (const qsizetype at : places) {
        if (at >= 0 && (first < 0 || at < first))
            first = at;
    }
    return first;
}

QStringList listItemTexts(const QString &text)
{
    QStringList items;
    for (qsizetype at = find(text, QLatin1String("<li"), 0); at >= 0;) {
        const qsizetype close = text.indexOf(u'>', at);
        if (close < 0)
            break;
        const qsizetype next = find(text, QLatin1String("<li"), close);
        qsizetype end = earliest({find(text, QLatin1String("</li>"), close), next});
        if (end < 0)
            end = earliest({find(text, QLatin1String("</ol>"), close), find(text, QLatin1String("</ul>"), close)});
        items.append(text.mid(close + 1, end < 0 ? -1 : end - close - 1).trimmed());
        at = next;
    }
    return items;
}

QStringList lineTexts(const QString &text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList items;
    for (const QString &line : text.split(lineEnd))
        items.append(line.trimmed());
    // Blank lines at either end are the breaks around the list's tags or the selection.
    while (items.size() > 1 && items.last().isEmpty())
        items.removeLast();
    while (items.size() > 1 && items.first().isEmpty())
        items.removeFirst();
    return items;
}

} // namespace

ListValues ListValues::fromEdit(const ElementEdit &edit)
{
    ListValues values;
    const QString type = edit.slot(1);
    if (edit.slot(2) == QLatin1String("<ul")) {
        for (int item = 0; item < 2; ++item) {
            if (type.compare(BulletTypes[item], Qt::CaseInsensitive) == 0)
                values.type = item;
        }
        return values;
    }
    values.kind = Kind::Numbers;
    values.type = 0;
    for (int item = 1; item < 5; ++item) {
        if (type == NumberTypes[item])
            values.type = item;
    }
    return values;
}

void ListValues::takeItems(const QString &text)
{
    QString items = text;
    const QString front = text.left(4);
    const bool numbered = front.contains(QLatin1String("<ol"), Qt::CaseInsensitive);
    if (numbered || front.contains(QLatin1String("<ul"), Qt::CaseInsensitive)) {
        if (numbered && kind != Kind::Numbers) {
            kind = Kind::Numbers;
            type = 0;
        }
        // Only the start tag goes: a list written on one line has its items
        // on the same line.
        items.remove(0, items.indexOf(u'>') + 1);
        const qsizetype end = earliest({find(items, QLatin1String("</ol>"), 0), find(items, QLatin1String("</ul>"), 0)});
        if (end >= 0)
            items.truncate(end);
    }
    this->items = items.contains(QLatin1String("<li"), Qt::CaseInsensitive) ? listItemTexts(items) : lineTexts(items);
}

QString buildList(const ListValues &values, const CommonFields &common)
{
    const bool numbers = values.kind == ListValues::Kind::Numbers;
    const QString name = numbers ? QStringLiteral("ol") : QStringLiteral("ul");
    const QString type = numbers ? NumberTypes[qMax(values.type, 0)]
        : values.type < 0        ? QStringLiteral("disc")
                                 : BulletTypes[values.type];
    QString items;
    for (const QString &item : values.items)
        items += QStringLiteral("\t<li>%1</li>\r\n").arg(item);
    return QStringLiteral("<%1 type=\"%2\"%3>\r\n%4</%1>").arg(name, type, common.markup(), items);
}

ListExtent findListExtent(const QString &text, qsizetype start)
{
    static const QRegularExpression listTag(QStringLiteral("<(/?)(ul|ol)[\\s>/]"), QRegularExpression::CaseInsensitiveOption);
    const qsizetype afterStart = text.indexOf(u'>', start);
    if (afterStart < 0)
        return {};
    const QRegularExpressionMatch tag = listTag.match(text, afterStart);
    if (!tag.hasMatch())
        return {};
    if (tag.capturedLength(1) == 0)
        return {ListExtent::Result::NestedList, -1};
    const qsizetype close = text.indexOf(u'>', tag.capturedStart());
    if (close < 0)
        return {};
    return {ListExtent::Result::EndTag, close + 1};
}
