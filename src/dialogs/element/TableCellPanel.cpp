#include "dialogs/element/TableCellPanel.h"

#include "html/MarkupWriting.h"

namespace {

using Vertical = TableCellValues::Vertical;
using Horizontal = TableCellValues::Horizontal;

bool is(const QString &value, QLatin1String word)
{
    return value.compare(word, Qt::CaseInsensitive) == 0;
}

// Middle and left are what a cell has without the attribute; any other
// value the boxes cannot show is kept as it was.
Vertical verticalOf(ElementEdit &edit)
{
    const QString value = edit.slot(1);
    if (is(value, QLatin1String("top")))
        return Vertical::Top;
    if (is(value, QLatin1String("bottom")))
        return Vertical::Bottom;
    if (!value.isEmpty() && !is(value, QLatin1String("middle")))
        edit.keep(QStringLiteral("valign"), value);
    return Vertical::Middle;
}

Horizontal horizontalOf(ElementEdit &edit)
{
    const QString value = edit.slot(2);
    if (is(value, QLatin1String("center")))
        return Horizontal::Center;
    if (is(value, QLatin1String("right")))
        return Horizontal::Right;
    if (!value.isEmpty() && !is(value, QLatin1String("left")))
        edit.keep(QStringLiteral("align"), value);
    return Horizontal::Left;
}

QString alignments(const TableCellValues &values)
{
    static const QString vertical[] = {QStringLiteral(" valign=\"top\""), QString(), QStringLiteral(" valign=\"bottom\"")};
    static const QString horizontal[] = {QString(), QStringLiteral(" align=\"center\""), QStringLiteral(" align=\"right\"")};
    return vertical[static_cast<int>(values.vertical)] + horizontal[static_cast<int>(values.horizontal)];
}

} // namespace

TableCellValues TableCellValues::fromEdit(ElementEdit &edit)
{
    TableCellValues values;
    values.vertical = verticalOf(edit);
    values.horizontal = horizontalOf(edit);
    values.rowSpan = edit.takeNumber(3, QStringLiteral("rowspan")).value_or(values.rowSpan);
    values.columnSpan = edit.takeNumber(4, QStringLiteral("colspan")).value_or(values.columnSpan);
    if (const std::optional<int> width = edit.takeNumber(5, QStringLiteral("width"), 8)) {
        values.widthOn = true;
        values.width = *width;
        values.widthPercent = edit.percent(8);
    }
    if (const std::optional<int> height = edit.takeNumber(6, QStringLiteral("height"), 9)) {
        values.heightOn = true;
        values.height = *height;
        values.heightPercent = edit.percent(9);
    }
    values.colourOn = !edit.slot(7).isEmpty();
    if (values.colourOn)
        values.colour = edit.slot(7);
    return values;
}

QString buildTableCell(const TableCellValues &values, const CommonFields &common)
{
    return QStringLiteral("<td") + alignments(values)
        + FormatNumberAttribute(QStringLiteral("rowspan"), values.rowSpan, values.rowSpan > 1, false)
        + FormatNumberAttribute(QStringLiteral("colspan"), values.columnSpan, values.columnSpan > 1, false)
        + FormatNumberAttribute(QStringLiteral("width"), values.width, values.widthOn, values.widthPercent)
        + FormatNumberAttribute(QStringLiteral("height"), values.height, values.heightOn, values.heightPercent)
        + (values.colourOn ? QStringLiteral(" bgcolor=\"%1\"").arg(values.colour) : QString()) + common.markup() + u'>';
}

QString buildTableRow(const TableCellValues &values, const CommonFields &common)
{
    return QStringLiteral("<tr") + alignments(values) + common.markup() + u'>';
}
