#include "search/BytePrefilter.h"

#include "editor/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstring>

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

// The two bytes ending at `end`, in lower case, as one key.
quint16 pairAt(const quint8 *bytes, qsizetype end)
{
    return quint16(AsciiLower[bytes[end - 1]] << 8 | AsciiLower[bytes[end]]);
}

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
    if (m_usable && !m_matchCase && isAscii(m_utf8))
        buildShifts();
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

// A Horspool search that takes its shifts from the two bytes ending the
// window, which skips much farther than one byte in text of few letters.
void BytePrefilter::buildShifts()
{
    const qsizetype last = m_utf8.size() - 1;
    m_shifts.assign(1 << 16, quint32(std::max<qsizetype>(last, 1)));
    for (qsizetype end = 1; end < last; ++end)
        m_shifts[pairAt(reinterpret_cast<const quint8 *>(m_utf8.constData()), end)] = quint32(last - end);
}

qsizetype BytePrefilter::findIgnoringAsciiCase(QByteArrayView bytes, qsizetype from) const
{
    const qsizetype last = m_utf8.size() - 1;
    const quint8 *data = reinterpret_cast<const quint8 *>(bytes.data());
    const quint8 *needle = reinterpret_cast<const quint8 *>(m_utf8.constData());
    if (last == 0) {
        for (qsizetype at = from; at < bytes.size(); ++at) {
            if (AsciiLower[data[at]] == AsciiLower[needle[0]])
                return at;
        }
        return -1;
    }
    const quint16 lastPair = pairAt(needle, last);
    for (qsizetype at = from; at + last < bytes.size(); at += m_shifts[pairAt(data, at + last)]) {
        if (pairAt(data, at + last) != lastPair)
            continue;
        qsizetype back = last - 2;
        while (back >= 0 && AsciiLower[data[at + back]] == AsciiLower[needle[back]])
            --back;
        if (back < 0)
            return at;
    }
    return -1;
}
