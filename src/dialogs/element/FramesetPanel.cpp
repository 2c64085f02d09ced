#include "dialogs/element/FramesetPanel.h"

#include "html/MarkupWriting.h"

FramesetValues FramesetValues::fromEdit(const ElementEdit &edit)
{
    FramesetValues values;
    values.rows = edit.slot(1);
    values.columns = edit.slot(2);
    if (!values.rows.isEmpty() || !values.columns.isEmpty()) {
        if (isWholeNumber(edit.slot(3)))
            values.thickness = edit.slot(3).toInt();
        else if (isWholeNumber(edit.slot(5)))
            values.thickness = edit.slot(5).toInt();
    }
    const QString frameBorder = edit.slot(4);
    values.border = frameBorder != QLatin1String("0") && frameBorder.compare(QLatin1String("no"), Qt::CaseInsensitive) != 0;
    return values;
}

bool FramesetValues::rowsGreyed() const
{
    return !columns.isEmpty() && (rows.isEmpty() || rows == QLatin1String("100%"));
}

QString buildFrameset(const FramesetValues &values, const CommonFields &common)
{
    const QString thickness = QString::number(values.thickness);
    return QStringLiteral("<frameset")
        + FormatAttribute(QStringLiteral("frameborder"), values.border ? QStringLiteral("1") : QStringLiteral("0"))
        + FormatAttribute(QStringLiteral("border"), thickness) + FormatAttribute(QStringLiteral("framespacing"), thickness)
        + FormatAttribute(QStringLiteral("rows"), values.rows) + FormatAttribute(QStringLiteral("cols"), values.columns)
        + common.markup() + u'>';
}
