#include "app/HelpKeyword.h"

#include "editor/TextCharacters.h"

namespace {

bool isBoundary(QChar c)
{
    static const QString boundaries = QStringLiteral(" \",./:;<=>?{}\t");
    return boundaries.contains(c);
}

} // namespace

QString helpKeyword(const QString &line, int caretColumn, const QString &selectedText)
{
    if (!selectedText.isEmpty())
        return selectedText;
    qsizetype caret = TextCharacters::indexOfColumn(line, caretColumn);
    qsizetype start = caret;
    while (start > 0 && !isBoundary(line.at(start - 1)))
        --start;
    qsizetype end = caret;
    while (end < line.size() && !isBoundary(line.at(end)))
        ++end;
    return line.mid(start, end - start);
}
