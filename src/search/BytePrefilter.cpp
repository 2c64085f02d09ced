#include "search/BytePrefilter.h"

#include "editor/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

bool isAscii(QByteArrayView bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return quint8(c) < 0x80; });
}

// Each byte with ASCII letters in lower case.
const std::array<quint8, 256> AsciiLower = [] {
    std::array<quint8, 256> table;
    for (int byte = 0; byte < 256; ++byte)
        table[byte] = quint8(byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte);
    return table;
}();

// Where the bytes stand, by the C library's search, much faster than a
// general one on short texts; -1 when they do not.
qsizetype indexOf(QByteArrayView bytes, QByteArrayView what, qsizetype from = 0)
{
    const void *found = ::memmem(bytes.data() + from, size_t(bytes.size() - from), what.data(), size_t(what.size()));
    return found ? static_cast<const char *>(found) - bytes.data() : -1;
}

// Letters outside ASCII that match an ASCII letter when case is ignored:
// the long s matches "s" and the Kelvin sign "k". Neither is in Windows-1252.
bool holdsLetterFoldingTo(QByteArrayView bytes, QByteArrayView what)
{
    const auto has = [what](char letter) { return what.contains(letter) || what.contains(char(letter - ('a' - 'A'))); };
    return (has('s') && indexOf(bytes, "\xC5\xBF") >= 0) || (has('k') && indexOf(bytes, "\xE2\x84\xAA") >= 0);
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
        return find(bytes, 0) >= 0 || holdsLetterFoldingTo(bytes, m_utf8);
    if (indexOf(bytes, m_utf8) >= 0)
        return true;
    return m_windows1252 && indexOf(bytes, *m_windows1252) >= 0;
}

bool BytePrefilter::findsEveryMatchIn(QByteArrayView utf8) const
{
    return m_usable && (m_matchCase || !holdsLetterFoldingTo(utf8, m_utf8));
}

qsizetype BytePrefilter::find(QByteArrayView bytes, qsizetype from) const
{
    return m_matchCase ? indexOf(bytes, m_utf8, from) : findIgnoringAsciiCase(bytes, from);
}

// Compares sixteen places at a time by their first and last bytes, with
// 0x20 set in each (which turns ASCII capitals into small letters), and
// compares the whole text only where both agree.
qsizetype BytePrefilter::findIgnoringAsciiCase(QByteArrayView bytes, qsizetype from) const
{
    const qsizetype last = m_utf8.size() - 1;
    const quint8 *data = reinterpret_cast<const quint8 *>(bytes.data());
    const quint8 *needle = reinterpret_cast<const quint8 *>(m_utf8.constData());
    const auto matchesAt = [&](qsizetype at) {
        for (qsizetype k = 0; k <= last; ++k) {
            if (AsciiLower[data[at + k]] != AsciiLower[needle[k]])
                return false;
        }
        return true;
    };
    qsizetype at = from;
#ifdef __SSE2__
    const __m128i fold = _mm_set1_epi8(0x20);
    const __m128i first = _mm_set1_epi8(char(needle[0] | 0x20));
    const __m128i lastByte = _mm_set1_epi8(char(needle[last] | 0x20));
    for (; at + last + 16 <= bytes.size(); at += 16) {
        const __m128i starts = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(data + at)), fold);
        const __m128i ends = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(data + at + last)), fold);
        for (unsigned mask =
                 unsigned(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(starts, first), _mm_cmpeq_epi8(ends, lastByte))));
             mask != 0; mask &= mask - 1) {
            const qsizetype place = at + qCountTrailingZeroBits(mask);
            if (matchesAt(place))
                return place;
        }
    }
#endif
    for (; at + last < bytes.size(); ++at) {
        if (matchesAt(at))
            return at;
    }
    return -1;
}
