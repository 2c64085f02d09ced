#include "html/MarkupStrip.h"

namespace {

// Deletes, as long as the first `open` of the text comes no later than its
// first `close`, everything from that `open` through that `close`. A deletion
// may join the text around it into a new `open` or `close` (as "<!" + "--"),
// which the next round must see; the kept text never holds a whole one, so
// only its last few characters are searched again, and the rest of the text is
// searched from where the previous round left it.
QString deleteFirstPairs(const QString &text, QLatin1StringView open, QLatin1StringView close)
{
    QString kept;
    kept.reserve(text.size());
    qsizetype rest = 0; // where the unread text starts
    const QStringView input(text);
    // The first occurrence of a word in kept + input[rest...], as an index into
    // that joined text; -1 when there is none.
    const auto firstIn = [&](QLatin1StringView word) -> qsizetype {
        const qsizetype tail = std::min<qsizetype>(kept.size(), word.size() - 1);
        for (qsizetype start = kept.size() - tail; start < kept.size(); ++start) {
            bool match = true;
            for (qsizetype k = 0; k < word.size() && match; ++k) {
                const qsizetype at = start + k;
                const qsizetype inputAt = rest + at - kept.size();
                if (at < kept.size())
                    match = kept[at] == word[k];
                else
                    match = inputAt < input.size() && input[inputAt] == word[k];
            }
            if (match)
                return start;
        }
        const qsizetype at = input.indexOf(word, rest);
        return at < 0 ? -1 : kept.size() + at - rest;
    };
    for (;;) {
        const qsizetype a = firstIn(open);
        const qsizetype b = a < 0 ? -1 : firstIn(close);
        if (a < 0 || b < a)
            break;
        // The `close` reaches past the kept text, which holds no whole one.
        const qsizetype resume = rest + (b + close.size()) - kept.size();
        if (a <= kept.size())
            kept.truncate(a);
        else
            kept += input.mid(rest, a - kept.size());
        rest = resume;
    }
    kept += input.mid(rest);
    return kept;
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
// "\n\r" pair.)
QString dropEmptyLines(const QString &text)
{
    QString out;
    out.reserve(text.size());
    const QStringView view(text);
    qsizetype i = 0;
    while (i < view.size()) {
        const qsizetype breakLength = lineBreakAt(view, i);
        if (breakLength == 0) {
            out += view[i++];
            continue;
        }
        out += view.mid(i, breakLength);
        i += breakLength;
        while (qsizetype more = lineBreakAt(view, i))
            i += more;
    }
    return out;
}

} // namespace

QString StripMarkup(const QString &text)
{
    const QString withoutComments = deleteFirstPairs(text, QLatin1StringView("<!--"), QLatin1StringView("-->"));
    const QString withoutTags = deleteFirstPairs(withoutComments, QLatin1StringView("<"), QLatin1StringView(">"));
    return dropEmptyLines(withoutTags);
}
