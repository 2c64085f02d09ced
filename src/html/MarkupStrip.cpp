#include "html/MarkupStrip.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// Deletes, as long as the first `open` of the text comes no later than its
// first `close`, everything from that `open` through that `close`. A deletion
// may join the text around it into a new `open` or `close` (as "<!" + "--"),
// which the next round must see; the kept text never holds a whole one, so
// only its last few characters are searched again, and the rest of the text is
// searched from where the previous round left it. The kept text is gathered at
// the front of the text's own buffer, which it never outgrows.
QString deleteFirstPairs(QString text, QLatin1StringView open, QLatin1StringView close)
{
    const qsizetype size = text.size();
    QChar *data = text.data();
    const QStringView input(data, size);
    qsizetype kept = 0; // the kept text is data[0, kept)
    qsizetype rest = 0; // the unread text is data[rest, size), with kept <= rest
    const auto joinedAt = [&](qsizetype at) { return at < kept ? data[at] : data[rest + at - kept]; };
    // The first occurrence of a word in the kept text followed by the unread
    // text, as an index into that joined text; -1 when there is none.
    const auto firstIn = [&](QLatin1StringView word) -> qsizetype {
        const qsizetype tail = std::min<qsizetype>(kept, word.size() - 1);
        for (qsizetype start = kept - tail; start < kept; ++start) {
            bool match = true;
            for (qsizetype k = 0; k < word.size() && match; ++k)
                match = rest + start + k - kept < size && joinedAt(start + k) == word[k];
            if (match)
                return start;
        }
        const qsizetype at = input.indexOf(word, rest);
        return at < 0 ? -1 : kept + at - rest;
    };
    const auto keepUnread = [&](qsizetype count) {
        std::memmove(data + kept, data + rest, count * sizeof(QChar));
        kept += count;
    };
    for (;;) {
        const qsizetype a = firstIn(open);
        const qsizetype b = a < 0 ? -1 : firstIn(close);
        if (a < 0 || b < a)
            break;
        // The `close` reaches past the kept text, which holds no whole one.
        const qsizetype resume = rest + (b + close.size()) - kept;
        if (a <= kept)
            kept = a;
        else
            keepUnread(a - kept);
        rest = resume;
    }
    keepUnread(size - rest);
    text.truncate(kept);
    return text;
}

// A line break is "\r\n", "\n" or "\r"; the length of the one at `at`, or 0.
qsizetype lineBreakAt(QStringView text, qsizetype at)
{
    if (at >= text.size())
        return 0;
    if (text[at] == QLatin1Char('\r'))
        return (at + 1 < text.size() && text[at + 1] == QLatin1Char('\n')) ? 2 : 1;
    return text[at] == QLatin1Char('\n') ? 1 : 0;
}

// Each run of line breaks becomes its first one, so no empty line is left
// after another line. (In a text with "\r\n" breaks this is deleting every
// "\n\r" pair.) Done in the text's own buffer: what is kept never passes what is read.
QString dropEmptyLines(QString text)
{
    const qsizetype size = text.size();
    QChar *data = text.data();
    const QStringView view(data, size);
    qsizetype kept = 0;
    qsizetype i = 0;
    while (i < size) {
        const qsizetype breakLength = lineBreakAt(view, i);
        if (breakLength == 0) {
            data[kept++] = data[i++];
            continue;
        }
        for (qsizetype k = 0; k < breakLength; ++k)
            data[kept++] = data[i++];
        while (qsizetype more = lineBreakAt(view, i))
            i += more;
    }
    text.truncate(kept);
    return text;
}

} // namespace

QString StripMarkup(QString text)
{
    QString withoutComments = deleteFirstPairs(std::move(text), QLatin1StringView("<!--"), QLatin1StringView("-->"));
    QString withoutTags = deleteFirstPairs(std::move(withoutComments), QLatin1StringView("<"), QLatin1StringView(">"));
    return dropEmptyLines(std::move(withoutTags));
}
