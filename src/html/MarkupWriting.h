#pragma once

#include <QList>
#include <QString>

#include <utility>

class EditableText;

// How generated markup meets the text: wrapped around the selection or put in
// its place. Both do nothing in a read-only text.
void WrapSelection(EditableText &text, const QString &open, const QString &close);
void InsertAtCaret(EditableText &text, const QString &markup);

// Attribute formatters: every attribute is lower case by the caller's choice
// of name, and every value stands in double quotes.
QString FormatAttribute(const QString &name, const QString &value);
QString FormatNumberAttribute(const QString &name, int number, bool wanted, bool percent);
QString FormatCommonAttributes(const QString &className, const QString &id, const QString &style);
QString FormatEventAttributes(const QList<std::pair<QString, QString>> &events);
