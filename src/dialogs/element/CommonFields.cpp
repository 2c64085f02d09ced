#include "dialogs/element/CommonFields.h"

#include "html/MarkupWriting.h"

#include <QRegularExpression>

CommonFields CommonFields::fromEdit(const ElementEdit &edit, const QStringList &elementEvents)
{
    CommonFields fields;
    fields.events = edit.eventRows(elementEvents);
    if (edit.EditMode) {
        fields.text = edit.CommonValues;
        fields.remainder = edit.PreservedRemainder;
    }
    return fields;
}

QString CommonFields::markup() const
{
    return FormatCommonAttributes(text.className, text.id, text.style) + FormatEventAttributes(events) + remainder;
}

QString styleEditorText(const QString &element, const QString &style)
{
    return QStringLiteral("%1 {\r\n%2\r\n} ").arg(element, style);
}

QString styleFromEditorText(const QString &text)
{
    const qsizetype open = text.indexOf(u'{');
    const qsizetype close = text.lastIndexOf(u'}');
    const QString declarations = open >= 0 && close > open ? text.mid(open + 1, close - open - 1) : text;
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList lines;
    for (const QString &line : declarations.split(lineEnd)) {
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    }
    return lines.join(u' ');
}
