#pragma once

#include <QString>
#include <QStringList>

class EditableText;

// "Tjek HTML-koder": a count, not a parse. Reports the lines whose "<" and ">"
// do not pair up and the elements of the check list (the library's
// TagCheckElements) whose start and end tags do not balance, leaving out
// script sections. The result is the text of the report; the document is not
// changed.
QString CheckHtml(QStringView text, const QStringList &checkList);
QString CheckHtml(const EditableText &text, const QStringList &checkList);

// At most this many element lines go into one report.
inline constexpr int MaxCheckElementLines = 51;
