#include "search/TextMatches.h"

#include "editor/TextCharacters.h"
#include "editor/TextSearch.h"

namespace {

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

SearchOptions optionsOf(const SearchQuery &query)
{
    SearchOptions options;
    options.wholeWord = query.wholeWord;
    options.matchCase = query.matchCase;
    return options;
}

// Counts lines as the text is walked forwards, so that a file with many
// matches is read through once.
class LineCounter
{
public:
    explicit LineCounter(QStringView text)
        : m_text(text)
    {
    }

    // The line holding the position and where that line starts.
    void advanceTo(qsizetype at)
    {
        const QChar *data = m_text.constData();
        for (; m_at < at; ++m_at) {
            const QChar c = data[m_at];
            if (!isLineBreak(c))
                continue;
            // A CR LF pair is one break, counted at its LF.
            if (c == QLatin1Char('\r') && m_at + 1 < m_text.size() && data[m_at + 1] == QLatin1Char('\n'))
                continue;
            ++m_line;
            m_lineStart = m_at + 1;
        }
    }
    int line() const { return m_line; }
    qsizetype lineStart() const { return m_lineStart; }

private:
    QStringView m_text;
    qsizetype m_at = 0;
    qsizetype m_lineStart = 0;
    int m_line = 1;
};

qsizetype lineEnd(QStringView text, qsizetype from)
{
    while (from < text.size() && !isLineBreak(text[from]))
        ++from;
    return from;
}

} // namespace

QString findTextFor(QStringView text, const QString &findText)
{
    if (!findText.contains(QLatin1Char('\n')) && !findText.contains(QLatin1Char('\r')))
        return findText;
    return TextCharacters::withLineBreaks(findText, TextCharacters::detectLineBreak(text, QStringLiteral("\n")));
}

QList<SearchMatch> findMatches(QStringView text, const SearchQuery &query)
{
    QList<SearchMatch> matches;
    const QString what = findTextFor(text, query.text);
    const SearchOptions options = optionsOf(query);
    LineCounter lines(text);
    for (std::optional<qsizetype> at = findInText(text, what, 0, true, options); at;
         at = findInText(text, what, *at + what.size(), true, options)) {
        lines.advanceTo(*at);
        SearchMatch match;
        match.line = lines.line();
        const qsizetype start = lines.lineStart();
        match.column = int(TextCharacters::characterCount(text.mid(start, *at - start)));
        match.lineText = text.mid(start, lineEnd(text, *at) - start).toString();
        matches.append(std::move(match));
    }
    return matches;
}

QString replaceMatches(QStringView text, const SearchQuery &query, const QString &replacement, int &count)
{
    count = 0;
    const QString what = findTextFor(text, query.text);
    const QString with = findTextFor(text, replacement);
    const SearchOptions options = optionsOf(query);
    QString result;
    qsizetype copied = 0;
    for (std::optional<qsizetype> at = findInText(text, what, 0, true, options); at;
         at = findInText(text, what, *at + what.size(), true, options)) {
        if (count == 0)
            result.reserve(text.size());
        result += text.mid(copied, *at - copied);
        result += with;
        copied = *at + what.size();
        ++count;
    }
    if (count == 0)
        return text.toString();
    result += text.mid(copied);
    return result;
}
