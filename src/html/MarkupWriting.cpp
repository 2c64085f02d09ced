#include "html/MarkupWriting.h"

#include "editor/EditableText.h"
#include "editor/TextCharacters.h"

void WrapSelection(EditableText &text, const QString &open, const QString &close)
{
    if (text.IsReadOnly())
        return;
    const SelectionRecord selection = text.GetSelection();
    const TextPos start = selection.start();
    TextPos end = selection.end();
    const int openLength = static_cast<int>(TextCharacters::characterCount(open));
    text.beginEdit();
    text.SetSelection(SelectionRecord::at(start));
    text.ReplaceSelection(open);
    if (start.line == end.line)
        end.column += openLength;
    text.SetSelection(SelectionRecord::at(end));
    text.ReplaceSelection(close);
    text.endEdit();
    text.SetSelection(SelectionRecord::between({start.line, start.column + openLength}, end));
}

void InsertAtCaret(EditableText &text, const QString &markup)
{
    if (text.IsReadOnly())
        return;
    text.ReplaceSelection(markup);
}

QString FormatAttribute(const QString &name, const QString &value)
{
    if (value.isEmpty())
        return QString();
    return QStringLiteral(" %1=\"%2\"").arg(name, value);
}

QString FormatNumberAttribute(const QString &name, int number, bool wanted, bool percent)
{
    if (!wanted)
        return QString();
    return QStringLiteral(" %1=\"%2%3\"").arg(name, QString::number(number), percent ? QStringLiteral("%") : QString());
}

QString FormatCommonAttributes(const QString &className, const QString &id, const QString &style)
{
    return FormatAttribute(QStringLiteral("class"), className) + FormatAttribute(QStringLiteral("id"), id)
        + FormatAttribute(QStringLiteral("style"), style);
}

QString FormatEventAttributes(const QList<std::pair<QString, QString>> &events)
{
    QString attributes;
    for (const auto &[name, value] : events)
        attributes += FormatAttribute(name, value);
    return attributes;
}
