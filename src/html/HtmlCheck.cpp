#include "html/HtmlCheck.h"

#include "editor/EditableText.h"
#include "html/AsciiText.h"

namespace {

struct CollectedText
{
    QString text;          // every line that takes part, joined without line breaks
    QList<int> oddLines;   // lines whose "<" and ">" counts differ
};

// The lines of the text, script sections left out: a line with "<script"
// starts a section and keeps what stands before it, a line with "</script>"
// ends it and keeps what follows. Lines are read whole, however long.
CollectedText collectLines(QStringView text)
{
    CollectedText collected;
    collected.text.reserve(text.size());
    bool inScript = false;
    int lineNumber = 0;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype stop = start;
        while (stop < text.size() && text[stop] != QLatin1Char('\r') && text[stop] != QLatin1Char('\n'))
            ++stop;
        ++lineNumber;
        QStringView line = text.mid(start, stop - start);
        const qsizetype scriptStart = AsciiText::indexOf(line, QLatin1StringView("<script"));
        const qsizetype scriptEnd = AsciiText::indexOf(line, QLatin1StringView("</script>"));
        if (scriptStart >= 0)
            inScript = true;
        if (scriptEnd >= 0)
            inScript = false;
        QString kept;
        if (scriptEnd >= 0)
            kept = (scriptStart >= 0 ? line.left(scriptStart) : QStringView()) + line.mid(scriptEnd + 9);
        else
            kept = scriptStart >= 0 ? line.left(scriptStart).toString() : line.toString();
        if (scriptStart >= 0 || !inScript) {
            if (kept.count(QLatin1Char('<')) != kept.count(QLatin1Char('>')))
                collected.oddLines.append(lineNumber);
            collected.text += kept;
        }
        if (stop == text.size())
            break;
        start = stop + ((text[stop] == QLatin1Char('\r') && stop + 1 < text.size() && text[stop + 1] == QLatin1Char('\n')) ? 2 : 1);
    }
    return collected;
}

// Occurrences that do not overlap, each search going on after the last match.
qsizetype occurrences(QStringView text, const QString &word)
{
    qsizetype count = 0;
    for (qsizetype at = text.indexOf(word); at >= 0; at = text.indexOf(word, at + word.size()))
        ++count;
    return count;
}

} // namespace

QString CheckHtml(QStringView text, const QStringList &checkList)
{
    const CollectedText collected = collectLines(text);
    const QString lowered = AsciiText::lowered(collected.text);
    QStringList elementLines;
    for (const QString &listed : checkList) {
        if (elementLines.size() >= MaxCheckElementLines)
            break;
        // The library may hold names in upper case; the text is compared lower-cased.
        const QString name = AsciiText::lowered(listed);
        if (name.isEmpty())
            continue;
        const QString start = QStringLiteral("<%1>").arg(name);
        const QString startWithAttributes = QStringLiteral("<%1 ").arg(name);
        const QString end = QStringLiteral("</%1>").arg(name);
        const qsizetype starts = occurrences(lowered, start) + occurrences(lowered, startWithAttributes);
        const qsizetype ends = occurrences(lowered, end);
        if (starts > ends)
            elementLines.append(QStringLiteral("- Der er %1 flere \"%2\" end \"%3\"").arg(starts - ends).arg(start, end));
        else if (ends > starts)
            elementLines.append(QStringLiteral("- Der er %1 flere \"%2\" end \"%3\"").arg(ends - starts).arg(end, start));
    }
    if (collected.oddLines.isEmpty() && elementLines.isEmpty())
        return QStringLiteral("Pagewick fandt ingen fejl i koden.");
    QString report;
    if (!collected.oddLines.isEmpty()) {
        QStringList numbers;
        for (int line : collected.oddLines)
            numbers.append(QString::number(line));
        report = QStringLiteral("Pagewick fandt et ulige antal \"<\" og \">\" i linierne %1.").arg(numbers.join(QLatin1String(", ")));
        if (!elementLines.isEmpty())
            report += QLatin1Char('\n');
    }
    for (const QString &line : elementLines)
        report += line + QLatin1Char('\n');
    return report;
}

QString CheckHtml(const EditableText &text, const QStringList &checkList)
{
    // One pass over the whole text: reading an editor line by line costs more.
    return CheckHtml(text.GetText(), checkList);
}
