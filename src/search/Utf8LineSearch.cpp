#include "search/Utf8LineSearch.h"

#include <algorithm>
#include <cstring>

namespace {

bool isLineBreak(char c)
{
    return c == '\n' || c == '\r';
}

// Line breaks in the bytes as the editor counts them: CR LF, LF or a lone CR.
int lineBreaks(QByteArrayView bytes)
{
    qsizetype count = std::count(bytes.begin(), bytes.end(), '\n');
    for (const char *cr = static_cast<const char *>(std::memchr(bytes.data(), '\r', size_t(bytes.size()))); cr;) {
        const char *next = cr + 1;
        const qsizetype left = bytes.end() - next;
        if (left == 0 || *next != '\n')
            ++count;
        cr = left > 0 ? static_cast<const char *>(std::memchr(next, '\r', size_t(left))) : nullptr;
    }
    return int(count);
}

} // namespace

std::optional<QList<SearchMatch>> findMatchesInUtf8(QByteArrayView utf8, const SearchQuery &query, const BytePrefilter &filter)
{
    if (!filter.findsEveryMatchIn(utf8))
        return std::nullopt;
    QList<SearchMatch> matches;
    int line = 1;
    qsizetype counted = 0; // the bytes whose line breaks `line` has counted
    for (qsizetype at = filter.find(utf8, 0); at >= 0;) {
        qsizetype start = at;
        while (start > 0 && !isLineBreak(utf8[start - 1]))
            --start;
        qsizetype end = at;
        while (end < utf8.size() && !isLineBreak(utf8[end]))
            ++end;
        line += lineBreaks(utf8.sliced(counted, start - counted));
        counted = start;
        for (SearchMatch match : findMatches(QString::fromUtf8(utf8.sliced(start, end - start)), query)) {
            match.line = line;
            matches.append(std::move(match));
        }
        at = end < utf8.size() ? filter.find(utf8, end) : -1;
    }
    return matches;
}
