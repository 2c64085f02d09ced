#include "html/TextBetween.h"

#include "files/FileText.h"
#include "html/CommaText.h"

#include <QStringList>

QString TextBetweenIn(const QString &text, const QString &start, const QString &end)
{
    if (start.isEmpty() || end.isEmpty())
        return QString();
    const qsizetype from = text.indexOf(start, 0, Qt::CaseInsensitive);
    const qsizetype to = text.indexOf(end, 0, Qt::CaseInsensitive);
    if (from < 0 || to < from + start.size())
        return QString();
    return text.mid(from + start.size(), to - from - start.size());
}

QString TextBetweenInText(const QString &text, const QString &start, const QString &end, bool all)
{
    if (start.isEmpty() || end.isEmpty())
        return QString();
    QStringList pieces;
    qsizetype position = 0;
    for (;;) {
        const qsizetype opening = text.indexOf(start, position, Qt::CaseInsensitive);
        if (opening < 0)
            break;
        const qsizetype from = opening + start.size();
        const qsizetype closing = text.indexOf(end, from, Qt::CaseInsensitive);
        if (closing < 0)
            break;
        pieces.append(text.mid(from, closing - from));
        if (!all)
            break;
        position = closing + end.size();
    }
    if (!all)
        return pieces.value(0);
    return CommaText::join(pieces);
}

QString TextBetweenInFile(const QString &path, const QString &start, const QString &end, bool all)
{
    const std::optional<QString> text = readFileText(path);
    if (!text)
        return QStringLiteral("-1");
    return TextBetweenInText(*text, start, end, all);
}
