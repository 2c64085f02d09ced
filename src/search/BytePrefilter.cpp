#include "search/BytePrefilter.h"

#include "editor/Windows1252.h"

#include <algorithm>
#include <array>

namespace {

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return quint8(c) < 0x80; });
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

// A Horspool search over bytes that compares ASCII letters without case.
qsizetype indexIgnoringAsciiCase(QByteArrayView bytes, QByteArrayView what, qsizetype from)
{
    const qsizetype last = what.size() - 1;
    std::array<qsizetype, 256> shift;
    shift.fill(what.size());
    for (qsizetype at = 0; at < last; ++at) {
        const char c = asciiLower(what[at]);
        shift[quint8(c)] = last - at;
        shift[quint8(c >= 'a' && c <= 'z' ? char(c - ('a' - 'A')) : c)] = last - at;
    }
    for (qsizetype at = from; at + last < bytes.size(); at += shift[quint8(bytes[at + last])]) {
        qsizetype back = last;
        while (back >= 0 && asciiLower(bytes[at + back]) == asciiLower(what[back]))
            --back;
        if (back < 0)
            return at;
    }
    return -1;
}

// Letters outside ASCII that match an ASCII letter when case is ignored:
// the long s matches "s" and the Kelvin sign "k". Neither is in Windows-1252.
bool holdsLetterFoldingTo(QByteArrayView bytes, QByteArrayView what)
{
    const auto has = [what](char letter) { return what.contains(letter) || what.contains(char(letter - ('a' - 'A'))); };
    return (has('s') && bytes.contains(QByteArrayView("\xC5\xBF")))
        || (has('k') && bytes.contains(QByteArrayView("\xE2\x84\xAA")));
}

} // namespace

BytePrefilter::BytePrefilter(const SearchQuery &query)
    : m_matchCase(query.matchCase)
    , m_utf8(query.text.toUtf8())
{
    // References read as letters and line breaks written as each file's own
    // change the text, so its bytes tell nothing then.
    m_usable = !query.referencesAsLetters && !query.text.isEmpty() && !m_utf8.contains('\n') && !m_utf8.contains('\r');
    if (!m_usable || isAscii(m_utf8))
        return;
    if (!m_matchCase) {
        // Case outside ASCII would need every spelling; such files are decoded.
        m_usable = false;
        return;
    }
    m_windows1252 = Windows1252::fromUtf8(m_utf8);
}

bool BytePrefilter::mayMatch(QByteArrayView bytes) const
{
    if (!m_usable)
        return true;
    if (!m_matchCase)
        return indexIgnoringAsciiCase(bytes, m_utf8, 0) >= 0 || holdsLetterFoldingTo(bytes, m_utf8);
    if (bytes.contains(m_utf8))
        return true;
    return m_windows1252 && bytes.contains(*m_windows1252);
}

bool BytePrefilter::findsEveryMatchIn(QByteArrayView utf8) const
{
    return m_usable && (m_matchCase || !holdsLetterFoldingTo(utf8, m_utf8));
}

qsizetype BytePrefilter::find(QByteArrayView bytes, qsizetype from) const
{
    return m_matchCase ? bytes.indexOf(m_utf8, from) : indexIgnoringAsciiCase(bytes, m_utf8, from);
}
