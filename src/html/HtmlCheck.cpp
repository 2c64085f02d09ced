#include "html/HtmlCheck.h"

#include "editor/EditableText.h"
#include "html/AsciiText.h"

#include <QHash>

#include <algorithm>

namespace {

struct CollectedText
{
    QString text;          // every line that takes part, joined without line breaks
    QList<int> oddLines;   // lines whose "<" and ">" counts differ
};

void appendLowered(QString &out, QStringView text)
{
    const qsizetype at = out.size();
    out.resize(at + text.size());
    char16_t *to = reinterpret_cast<char16_t *>(out.data()) + at;
    for (qsizetype i = 0; i < text.size(); ++i)
        to[i] = AsciiText::lower(text[i].unicode());
}

// The lines of the text, script sections left out: a line with "<script"
// starts a section and keeps what stands before it, a line with "</script>"
// ends it and keeps what follows. Lines are read whole, however long. The
// collected text is lower-cased (A-Z) as it is joined, for the counts.
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
        QStringView before = scriptStart >= 0 ? line.left(scriptStart) : line;
        QStringView after;
        if (scriptEnd >= 0) {
            before = scriptStart >= 0 ? line.left(scriptStart) : QStringView();
            after = line.mid(scriptEnd + 9);
        }
        if (scriptStart >= 0 || !inScript) {
            if (before.count(QLatin1Char('<')) + after.count(QLatin1Char('<'))
                != before.count(QLatin1Char('>')) + after.count(QLatin1Char('>')))
                collected.oddLines.append(lineNumber);
            appendLowered(collected.text, before);
            appendLowered(collected.text, after);
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

struct TagCounts
{
    qsizetype starts = 0; // "<name>" and "<name "
    qsizetype ends = 0;   // "</name>"
};

// A name without a blank or ">" ends where the tag's name ends, so one pass
// over the text that reads the name after each "<" and "</" counts every such
// name of the list at once. A tag cannot overlap another (each holds one "<",
// at its start), so these are the counts that searching for each name would give.
bool isPlainName(const QString &name)
{
    return !name.contains(QLatin1Char(' ')) && !name.contains(QLatin1Char('>'));
}

QHash<QString, TagCounts> countPlainNames(const QString &text, const QStringList &names)
{
    QHash<QString, TagCounts> counts;
    qsizetype longest = 0;
    for (const QString &name : names) {
        counts.insert(name, {});
        longest = std::max(longest, name.size());
    }
    if (counts.isEmpty())
        return counts;
    const qsizetype length = text.size();
    // The name from `from` to the next blank or ">", with the place of that mark.
    const auto nameAt = [&](qsizetype from) -> std::pair<QString, qsizetype> {
        qsizetype end = from;
        while (end < length && end - from <= longest && text[end] != QLatin1Char(' ') && text[end] != QLatin1Char('>'))
            ++end;
        if (end == length || end - from > longest)
            return {QString(), -1};
        return {QString::fromRawData(text.constData() + from, end - from), end};
    };
    for (qsizetype at = text.indexOf(QLatin1Char('<')); at >= 0; at = text.indexOf(QLatin1Char('<'), at + 1)) {
        if (const auto [name, mark] = nameAt(at + 1); mark >= 0) {
            if (const auto found = counts.find(name); found != counts.end())
                ++found->starts;
        }
        if (at + 1 < length && text[at + 1] == QLatin1Char('/')) {
            if (const auto [name, mark] = nameAt(at + 2); mark >= 0 && text[mark] == QLatin1Char('>')) {
                if (const auto found = counts.find(name); found != counts.end())
                    ++found->ends;
            }
        }
    }
    return counts;
}

} // namespace

QString CheckHtml(QStringView text, const QStringList &checkList)
{
    const CollectedText collected = collectLines(text);
    // The library may hold names in upper case; the text is compared lower-cased.
    QStringList names;
    QStringList plainNames;
    for (const QString &listed : checkList) {
        names.append(AsciiText::lowered(listed));
        if (!names.back().isEmpty() && isPlainName(names.back()))
            plainNames.append(names.back());
    }
    const QHash<QString, TagCounts> plainCounts = countPlainNames(collected.text, plainNames);
    QStringList elementLines;
    for (const QString &name : std::as_const(names)) {
        if (elementLines.size() >= MaxCheckElementLines)
            break;
        if (name.isEmpty())
            continue;
        const QString start = QStringLiteral("<%1>").arg(name);
        const QString startWithAttributes = QStringLiteral("<%1 ").arg(name);
        const QString end = QStringLiteral("</%1>").arg(name);
        const TagCounts counts = isPlainName(name)
            ? plainCounts.value(name)
            : TagCounts{occurrences(collected.text, start) + occurrences(collected.text, startWithAttributes),
                        occurrences(collected.text, end)};
        if (counts.starts > counts.ends)
            elementLines.append(QStringLiteral("- Der er %1 flere \"%2\" end \"%3\"").arg(counts.starts - counts.ends).arg(start, end));
        else if (counts.ends > counts.starts)
            elementLines.append(QStringLiteral("- Der er %1 flere \"%2\" end \"%3\"").arg(counts.ends - counts.starts).arg(end, start));
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
