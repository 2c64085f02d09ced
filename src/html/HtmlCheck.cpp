#include "html/HtmlCheck.h"

#include "editor/DocumentFile.h"
#include "editor/EditableText.h"
#include "editor/FileByteStream.h"
#include "html/AsciiText.h"
#include "html/CharacterMasks.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// The check is written once, over the character type: UTF-16 units for the
// editor's text and single bytes for a file's bytes. It only ever compares
// characters with ASCII ones, so both give the same report on the same text.

namespace {

template <typename Char>
using View = std::basic_string_view<Char>;

using CharacterMasks::BlockSize;

constexpr std::size_t None = std::size_t(-1);

template <typename Char>
Char lowerAscii(Char c)
{
    return (c >= Char('A') && c <= Char('Z')) ? Char(c + 32) : c;
}

// The text in the character type; a byte text is only ever made of ASCII.
template <typename Char>
std::basic_string<Char> textOf(QStringView text)
{
    std::basic_string<Char> out(std::size_t(text.size()), Char());
    std::transform(text.begin(), text.end(), out.begin(), [](QChar c) { return Char(c.unicode()); });
    return out;
}

using CharacterMasks::AnyOf;

// For each group of wanted characters, the bits of their places in the block of the text from `at`.
template <typename Char, std::size_t K, std::size_t N>
std::array<std::uint64_t, K> masksAt(View<Char> text, std::size_t at, const std::array<AnyOf<Char, N>, K> &wanted)
{
    if (at >= text.size())
        return {};
    return CharacterMasks::of(text.data() + at, std::min(BlockSize, text.size() - at), wanted);
}

// Whether the (lower-case ASCII) word stands at `at`, ignoring the case of A-Z.
template <typename Char>
bool wordAt(View<Char> text, std::size_t at, std::string_view word)
{
    if (text.size() - at < word.size())
        return false;
    for (std::size_t k = 0; k < word.size(); ++k) {
        if (lowerAscii(text[at + k]) != Char(word[k]))
            return false;
    }
    return true;
}

template <typename Char>
std::size_t count(View<Char> text, Char c)
{
    return std::size_t(std::count(text.begin(), text.end(), c));
}

// Occurrences that do not overlap, each search going on after the last match.
template <typename Char>
qsizetype occurrences(View<Char> text, View<Char> word)
{
    qsizetype count = 0;
    for (std::size_t at = text.find(word); at != View<Char>::npos; at = text.find(word, at + word.size()))
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
    return !name.isEmpty() && !name.contains(QLatin1Char(' ')) && !name.contains(QLatin1Char('>'));
}

template <typename Char>
struct NameIndex
{
    // Names are looked up by their first character (7 bits) and their length
    // (up to 16, longer ones with those of 16), which leaves one or two to compare.
    static constexpr std::size_t Lengths = 17;
    static std::size_t bucketOf(Char first, std::size_t length)
    {
        return (std::size_t(first) & 0x7F) * Lengths + std::min(length, Lengths - 1);
    }

    std::vector<std::basic_string<Char>> plainNames;          // each plain name once
    std::array<bool, 128> plainFirsts{};                      // the first characters of the plain names (7 bits)
    std::vector<std::size_t> plainByBucket;                   // places in plainNames, bucket by bucket
    std::vector<std::size_t> bucketStarts;                    // where each bucket starts in plainByBucket
    std::size_t longest = 0;                                  // the longest plain name
    std::vector<std::array<std::basic_string<Char>, 3>> tags; // per list entry: "<name>", "<name " and "</name>"
#ifdef __SSE2__
    // ASCII names shorter than sixteen are compared sixteen characters at
    // once: per place in plainByBucket, the name's bytes, zero after its end.
    struct alignas(16) PaddedName
    {
        std::array<char, 16> bytes{};
    };
    std::vector<PaddedName> paddedByBucket;
#endif

    void addPlainName(std::basic_string<Char> name)
    {
        plainFirsts[std::size_t(name.front()) & 0x7F] = true;
        longest = std::max(longest, name.size());
        plainNames.push_back(std::move(name));
    }

    // Sorts the names into their buckets, once all are added.
    void fillBuckets()
    {
        bucketStarts.assign(128 * Lengths + 1, 0);
        for (const std::basic_string<Char> &name : plainNames)
            ++bucketStarts[bucketOf(name.front(), name.size()) + 1];
        for (std::size_t bucket = 1; bucket < bucketStarts.size(); ++bucket)
            bucketStarts[bucket] += bucketStarts[bucket - 1];
        plainByBucket.resize(plainNames.size());
        std::vector<std::size_t> next(bucketStarts.begin(), bucketStarts.end() - 1);
        for (std::size_t name = 0; name < plainNames.size(); ++name)
            plainByBucket[next[bucketOf(plainNames[name].front(), plainNames[name].size())]++] = name;
#ifdef __SSE2__
        const bool ascii = std::all_of(plainNames.begin(), plainNames.end(), [](const std::basic_string<Char> &name) {
            return std::all_of(name.begin(), name.end(), [](Char c) { return c < 0x80; });
        });
        if (longest < 16 && ascii) {
            for (std::size_t name : plainByBucket) {
                PaddedName &padded = paddedByBucket.emplace_back();
                std::copy(plainNames[name].begin(), plainNames[name].end(), padded.bytes.begin());
            }
        }
#endif
    }

    // The plain name that stands from `from` up to the next blank or ">", in
    // any case of A-Z, as its place in plainNames, with the place of that
    // mark; None when there is none.
    std::pair<std::size_t, std::size_t> plainNameAt(View<Char> text, std::size_t from) const
    {
        if (from >= text.size())
            return {None, None};
        const Char first = lowerAscii(text[from]);
        if (!plainFirsts[std::size_t(first) & 0x7F])
            return {None, None};
#ifdef __SSE2__
        if (!paddedByBucket.empty() && text.size() - from >= 16)
            return shortNameAt(text.data() + from, from, first);
#endif
        const std::size_t end = nameEnd(text, from);
        if (end == text.size() || end - from > longest)
            return {None, None};
        const std::size_t bucket = bucketOf(first, end - from);
        for (std::size_t k = bucketStarts[bucket]; k < bucketStarts[bucket + 1]; ++k) {
            if (sameName(plainNames[plainByBucket[k]], text.data() + from, end - from))
                return {plainByBucket[k], end};
        }
        return {None, None};
    }

    // The place of the first blank or ">" from `from`, or any place beyond
    // the longest name when there is none so near, or the end of the text.
    std::size_t nameEnd(View<Char> text, std::size_t from) const
    {
        static constexpr std::array<AnyOf<Char, 2>, 1> Marks = {{{' ', '>'}}};
        if (longest < 16) {
            const std::size_t length = std::min<std::size_t>(16, text.size() - from);
            const unsigned marks = CharacterMasks::ofSixteen(text.data() + from, length, Marks)[0];
            return marks ? from + std::size_t(std::countr_zero(marks)) : from + length;
        }
        const std::size_t limit = std::min(text.size(), from + longest + 1);
        std::size_t end = from;
        while (end < limit && text[end] != Char(' ') && text[end] != Char('>'))
            ++end;
        return end;
    }

#ifdef __SSE2__
    // plainNameAt when all names are shorter than sixteen and sixteen
    // characters stand at `at`: they are read at once, and lower-cased and
    // cut after the name at once, to compare with a padded name at once.
    std::pair<std::size_t, std::size_t> shortNameAt(const Char *at, std::size_t from, Char first) const
    {
        const __m128i chars = bytesOfSixteen(at);
        const unsigned marks = unsigned(_mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(chars, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(chars, _mm_set1_epi8('>')))));
        const std::size_t length = std::size_t(std::countr_zero(marks | 0x10000u));
        if (length > longest)
            return {None, None};
        // A-Z moved to -128..-103 are the only bytes below -102.
        const __m128i upper = _mm_cmplt_epi8(_mm_sub_epi8(chars, _mm_set1_epi8(char('A' + 0x80))), _mm_set1_epi8(char(-128 + 26)));
        const __m128i lowered = _mm_or_si128(chars, _mm_and_si128(upper, _mm_set1_epi8(0x20)));
        const __m128i inName = _mm_cmpgt_epi8(_mm_set1_epi8(char(length)), _mm_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15));
        const __m128i name = _mm_and_si128(lowered, inName);
        const std::size_t bucket = bucketOf(first, length);
        for (std::size_t k = bucketStarts[bucket]; k < bucketStarts[bucket + 1]; ++k) {
            const __m128i padded = _mm_load_si128(reinterpret_cast<const __m128i *>(paddedByBucket[k].bytes.data()));
            if (_mm_movemask_epi8(_mm_cmpeq_epi8(name, padded)) == 0xFFFF)
                return {plainByBucket[k], from + length};
        }
        return {None, None};
    }

    // Sixteen characters as bytes: a unit of UTF-16 beyond one byte becomes
    // 0 or 255, which no name holds.
    static __m128i bytesOfSixteen(const Char *at)
    {
        if constexpr (sizeof(Char) == 1)
            return _mm_loadu_si128(reinterpret_cast<const __m128i *>(at));
        else
            return _mm_packus_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i *>(at)),
                                    _mm_loadu_si128(reinterpret_cast<const __m128i *>(at + 8)));
    }
#endif

    static bool sameName(const std::basic_string<Char> &name, const Char *at, std::size_t length)
    {
        if (name.size() != length)
            return false;
        for (std::size_t k = 0; k < length; ++k) {
            if (name[k] != lowerAscii(at[k]))
                return false;
        }
        return true;
    }
};

// Counts the plain names of the list in the joined text as the lines are
// joined, a buffer at a time: a "<" is read once the buffer holds enough of
// what follows it for the longest name, and the rest moves to the front of the
// buffer. When the list has other names, which are searched for in the whole
// text, the buffer holds the whole joined text instead, lower-cased (A-Z).
template <typename Char>
class TagCounter
{
public:
    // A counter for a text of a known size, which keeps the whole joined text if asked.
    TagCounter(const NameIndex<Char> &index, std::size_t textSize, bool keepWholeText)
        : TagCounter(index, keepWholeText, [&] {
              // A line gives at most its text twice: the text before "<script" and the text after "</script>".
              const std::size_t whole = 2 * textSize;
              return keepWholeText ? whole : std::min(whole, movingCapacity(index));
          }())
    {
    }

    // A counter for a text of any size.
    explicit TagCounter(const NameIndex<Char> &index) : TagCounter(index, false, movingCapacity(index)) {}

    // Joins the part to the text.
    void append(View<Char> part)
    {
        if (part.size() <= m_capacity - m_size) {
            join(part);
            return;
        }
        for (;;) {
            const std::size_t length = std::min(part.size(), m_capacity - m_size);
            join(part.substr(0, length));
            part.remove_prefix(length);
            if (part.empty())
                return;
            // The buffer is full and more follows, so it is the smaller one, which holds more than the margin.
            countUpTo(m_size - m_margin);
        }
    }

    void finish() { countUpTo(m_size); }

    const std::vector<TagCounts> &plainCounts() const { return m_counts; }

    // The whole joined text, when it was kept.
    View<Char> wholeText() const { return buffered(); }

private:
    static constexpr std::size_t BufferSize = 1 << 16;

    TagCounter(const NameIndex<Char> &index, bool keepWholeText, std::size_t capacity)
        : m_index(index), m_counts(index.plainNames.size()), m_margin(index.longest + 3),
          m_keepWholeText(keepWholeText), m_capacity(capacity), m_buffer(std::make_unique_for_overwrite<Char[]>(capacity))
    {
    }

    // A buffer that moves along the text holds a "<" and what it needs after it, twice over.
    static std::size_t movingCapacity(const NameIndex<Char> &index) { return std::max(BufferSize, 2 * (index.longest + 3)); }

    View<Char> buffered() const { return {m_buffer.get(), m_size}; }

    void join(View<Char> part)
    {
        // Names are matched in any case; only the searches of the whole text need it lower-cased.
        if (m_keepWholeText)
            std::transform(part.begin(), part.end(), m_buffer.get() + m_size, lowerAscii<Char>);
        else
            std::copy(part.begin(), part.end(), m_buffer.get() + m_size);
        m_size += part.size();
    }

    // Reads every "<" before `limit`, then keeps only what follows in the buffer.
    void countUpTo(std::size_t limit)
    {
        const View<Char> text = buffered();
        if (!m_counts.empty()) {
            static constexpr std::array<AnyOf<Char, 1>, 1> Opening = {{{'<'}}};
            for (std::size_t block = 0; block < limit; block += BlockSize) {
                std::uint64_t opening = masksAt(text, block, Opening)[0];
                if (limit - block < BlockSize)
                    opening &= CharacterMasks::below(unsigned(limit - block));
                for (; opening; opening &= opening - 1)
                    countTagAt(text, block + std::size_t(std::countr_zero(opening)));
            }
        }
        if (limit < m_size) {
            std::copy(text.begin() + std::ptrdiff_t(limit), text.end(), m_buffer.get());
            m_size -= limit;
        }
    }

    void countTagAt(View<Char> text, std::size_t at)
    {
        if (const std::size_t name = m_index.plainNameAt(text, at + 1).first; name != None)
            ++m_counts[name].starts;
        if (at + 1 < text.size() && text[at + 1] == Char('/')) {
            if (const auto [name, mark] = m_index.plainNameAt(text, at + 2); name != None && text[mark] == Char('>'))
                ++m_counts[name].ends;
        }
    }

    const NameIndex<Char> &m_index;
    std::vector<TagCounts> m_counts;
    std::size_t m_margin; // what a "<" needs after it: "/", the longest name and its mark
    bool m_keepWholeText;
    std::size_t m_capacity;
    std::unique_ptr<Char[]> m_buffer;
    std::size_t m_size = 0;
};

// What of a text has been read: from the start of the line being read on.
template <typename Char>
struct TextWindow
{
    View<Char> text;
    bool final = true; // whether the text ends with it
};

// Gives the window that goes on from `keepFrom` of the last one, with the
// text that follows it read in.
template <typename Char>
using ReadOn = std::function<TextWindow<Char>(std::size_t keepFrom)>;

// The lines of the text, script sections left out: a line with "<script"
// starts a section and keeps what stands before it, a line with "</script>"
// ends it and keeps what follows. Lines are read whole, however long. The
// lines that take part are joined without line breaks for the tag counts;
// the result is the lines whose "<" and ">" counts differ.
template <typename Char>
class LineCollector
{
public:
    // The whole text at once.
    LineCollector(View<Char> text, TagCounter<Char> &joined) : m_text(text), m_joined(joined) {}

    // The text a window at a time.
    LineCollector(const ReadOn<Char> &readOn, TagCounter<Char> &joined)
        : m_final(false), m_readOn(&readOn), m_joined(joined)
    {
    }

    // The text is read a block at a time: its "<", ">" and line breaks are
    // found at once, and a script section can start or end only at "<s", "<S" or "</".
    QList<int> collect() &&
    {
        // "<" and ">", line breaks, and what can follow the "<" of a script
        // mark (a group of fewer than three repeats one).
        static constexpr std::array<AnyOf<Char, 3>, 4> Wanted = {
            {{'<', '<', '<'}, {'>', '>', '>'}, {'\n', '\r', '\r'}, {'s', 'S', '/'}}};
        for (std::size_t at = 0;; at += BlockSize) {
            // A block is read when the window holds what its marks look at
            // after it, unless the text ends sooner.
            while (!m_final && m_text.size() - at < BlockSize + Lookahead) {
                const std::size_t keep = std::min(m_lineStart, at);
                const TextWindow<Char> window = (*m_readOn)(keep);
                m_text = window.text;
                m_final = window.final;
                at -= keep;
                m_lineStart -= keep;
            }
            auto [opening, closing, breaks, scriptNext] = masksAt(m_text, at, Wanted);
            std::uint64_t scripts = opening & ((scriptNext >> 1) | (std::uint64_t(startsScriptMark(at + BlockSize)) << 63));
            for (; breaks; breaks &= breaks - 1) {
                const unsigned bit = unsigned(std::countr_zero(breaks));
                if (at + bit < m_lineStart)
                    continue; // the line feed of a "\r\n"
                const std::uint64_t before = CharacterMasks::below(bit);
                addMarks(at, opening & before, closing & before, scripts & before);
                endLine(at + bit);
                opening &= ~before;
                closing &= ~before;
                scripts &= ~before;
            }
            addMarks(at, opening, closing, scripts);
            if (at + BlockSize >= m_text.size()) {
                endLine(m_text.size());
                return std::move(m_oddLines);
            }
        }
    }

private:
    // What is read past a block: "</script>" starting at its last character.
    static constexpr std::size_t Lookahead = 9;

    // Whether the character at `at` can follow the "<" of "<script" or "</script>".
    bool startsScriptMark(std::size_t at) const
    {
        return at < m_text.size() && (m_text[at] == Char('s') || m_text[at] == Char('S') || m_text[at] == Char('/'));
    }

    void addMarks(std::size_t at, std::uint64_t opening, std::uint64_t closing, std::uint64_t scripts)
    {
        m_opening += CharacterMasks::count(opening);
        m_closing += CharacterMasks::count(closing);
        for (; scripts; scripts &= scripts - 1) {
            const std::size_t place = at + std::size_t(std::countr_zero(scripts));
            if (m_scriptStart == None && wordAt(m_text, place, "<script"))
                m_scriptStart = place - m_lineStart;
            if (m_scriptEnd == None && wordAt(m_text, place, "</script>"))
                m_scriptEnd = place - m_lineStart;
        }
    }

    void endLine(std::size_t stop)
    {
        ++m_lineNumber;
        const View<Char> line = m_text.substr(m_lineStart, stop - m_lineStart);
        if (m_scriptStart != None)
            m_inScript = true;
        if (m_scriptEnd != None)
            m_inScript = false;
        View<Char> before = line;
        View<Char> after;
        if (m_scriptStart != None || m_scriptEnd != None) {
            before = m_scriptStart != None ? line.substr(0, m_scriptStart) : View<Char>();
            if (m_scriptEnd != None)
                after = line.substr(m_scriptEnd + 9);
            m_opening = count(before, Char('<')) + count(after, Char('<'));
            m_closing = count(before, Char('>')) + count(after, Char('>'));
        }
        if (m_scriptStart != None || !m_inScript) {
            if (m_opening != m_closing)
                m_oddLines.append(m_lineNumber);
            m_joined.append(before);
            if (!after.empty())
                m_joined.append(after);
        }
        const bool crlf = stop + 1 < m_text.size() && m_text[stop] == Char('\r') && m_text[stop + 1] == Char('\n');
        m_lineStart = stop + (crlf ? 2 : 1);
        m_opening = m_closing = 0;
        m_scriptStart = m_scriptEnd = None;
    }

    View<Char> m_text;
    bool m_final = true; // whether the text ends with m_text
    const ReadOn<Char> *m_readOn = nullptr;
    TagCounter<Char> &m_joined;
    QList<int> m_oddLines;
    bool m_inScript = false;
    int m_lineNumber = 0;
    std::size_t m_lineStart = 0;
    // Of the line read so far:
    std::size_t m_opening = 0;
    std::size_t m_closing = 0;
    std::size_t m_scriptStart = None; // from the line's start
    std::size_t m_scriptEnd = None;
};

} // namespace

struct HtmlCheckList::Tables
{
    QStringList names;                  // the list lower-cased, in list order
    QList<std::array<QString, 3>> tags; // per entry: "<name>", "<name " and "</name>"
    std::vector<std::size_t> plainName; // per entry: its place among the plain names, or None
    bool ascii = true;                  // whether every name is ASCII, as a byte text can hold it
    bool plainNamesOnly = true;         // whether every name is counted as the tags are read
    NameIndex<char16_t> utf16;
    NameIndex<char8_t> bytes;           // filled when the names are ASCII

    template <typename Char>
    const NameIndex<Char> &index() const
    {
        if constexpr (std::is_same_v<Char, char8_t>)
            return bytes;
        else
            return utf16;
    }
};

namespace {

template <typename Char>
void fillIndex(NameIndex<Char> &index, const QStringList &plainNames, const QList<std::array<QString, 3>> &tags)
{
    for (const QString &name : plainNames)
        index.addPlainName(textOf<Char>(name));
    index.fillBuckets();
    for (const auto &[start, startWithAttributes, end] : tags)
        index.tags.push_back({textOf<Char>(start), textOf<Char>(startWithAttributes), textOf<Char>(end)});
}

QString report(const QList<int> &oddLines, const QStringList &elementLines)
{
    if (oddLines.isEmpty() && elementLines.isEmpty())
        return QStringLiteral("Pagewick fandt ingen fejl i koden.");
    QString report;
    if (!oddLines.isEmpty()) {
        QStringList numbers;
        for (int line : oddLines)
            numbers.append(QString::number(line));
        report = QStringLiteral("Pagewick fandt et ulige antal \"<\" og \">\" i linierne %1.").arg(numbers.join(QLatin1String(", ")));
        if (!elementLines.isEmpty())
            report += QLatin1Char('\n');
    }
    for (const QString &line : elementLines)
        report += line + QLatin1Char('\n');
    return report;
}

// The report on the lines read and the tags counted in them.
template <typename Char>
QString report(const QList<int> &oddLines, TagCounter<Char> &counter, const HtmlCheckList::Tables &tables)
{
    const NameIndex<Char> &index = tables.index<Char>();
    counter.finish();
    const View<Char> joined = counter.wholeText();
    QStringList elementLines;
    for (qsizetype entry = 0; entry < tables.names.size(); ++entry) {
        if (elementLines.size() >= MaxCheckElementLines)
            break;
        if (tables.names[entry].isEmpty())
            continue;
        const std::size_t plain = tables.plainName[std::size_t(entry)];
        const auto &[start, startWithAttributes, end] = index.tags[std::size_t(entry)];
        const TagCounts counts = plain != None
            ? counter.plainCounts()[plain]
            : TagCounts{occurrences<Char>(joined, start) + occurrences<Char>(joined, startWithAttributes),
                        occurrences<Char>(joined, end)};
        const std::array<QString, 3> &tag = tables.tags[entry];
        if (counts.starts > counts.ends)
            elementLines.append(QStringLiteral("- Der er %1 flere \"%2\" end \"%3\"").arg(counts.starts - counts.ends).arg(tag[0], tag[2]));
        else if (counts.ends > counts.starts)
            elementLines.append(QStringLiteral("- Der er %1 flere \"%2\" end \"%3\"").arg(counts.ends - counts.starts).arg(tag[2], tag[0]));
    }
    return report(oddLines, elementLines);
}

template <typename Char>
QString checkText(View<Char> text, const HtmlCheckList::Tables &tables)
{
    TagCounter<Char> counter(tables.index<Char>(), text.size(), !tables.plainNamesOnly);
    const QList<int> oddLines = LineCollector<Char>(text, counter).collect();
    return report(oddLines, counter, tables);
}

// A document's bytes a window at a time in one buffer, which keeps the line
// being read at its front and grows only for a line longer than a piece.
class PieceBuffer
{
public:
    PieceBuffer(const ReadBytes &read, QByteArray &buffer) : m_read(read), m_buffer(buffer)
    {
        if (m_buffer.size() < PieceSize)
            m_buffer.resize(PieceSize);
    }

    // Moves the text from `keepFrom` on to the front and reads once after it.
    TextWindow<char8_t> readOn(std::size_t keepFrom)
    {
        if (keepFrom > 0) {
            std::memmove(m_buffer.data(), m_buffer.constData() + keepFrom, std::size_t(m_filled) - keepFrom);
            m_filled -= qsizetype(keepFrom);
        }
        if (m_buffer.size() - m_filled < PieceSize / 2)
            m_buffer.resize(std::max(2 * m_buffer.size(), m_filled + PieceSize));
        const qsizetype got = m_read(m_buffer.data() + m_filled, m_buffer.size() - m_filled);
        m_ended = got <= 0;
        m_failed = got < 0;
        m_filled += std::max<qsizetype>(got, 0);
        return {View<char8_t>(reinterpret_cast<const char8_t *>(m_buffer.constData()), std::size_t(m_filled)), m_ended};
    }

    bool failed() const { return m_failed; }

private:
    // Large enough that a read costs little beside the bytes it brings, small
    // enough that they are still in the processor's cache when they are checked.
    static constexpr qsizetype PieceSize = 1 << 17;

    const ReadBytes &m_read;
    QByteArray &m_buffer;
    qsizetype m_filled = 0;
    bool m_ended = false;
    bool m_failed = false;
};

} // namespace

HtmlCheckList::HtmlCheckList(const QStringList &names)
{
    auto tables = std::make_shared<Tables>();
    // The library may hold names in upper case; the text is compared lower-cased.
    QStringList plainNames;
    for (const QString &listed : names) {
        const QString name = AsciiText::lowered(listed);
        tables->names.append(name);
        tables->tags.append({QStringLiteral("<%1>").arg(name), QStringLiteral("<%1 ").arg(name),
                             QStringLiteral("</%1>").arg(name)});
        qsizetype plain = plainNames.indexOf(name);
        if (plain < 0 && isPlainName(name)) {
            plain = plainNames.size();
            plainNames.append(name);
        }
        tables->plainName.push_back(plain < 0 ? None : std::size_t(plain));
        tables->plainNamesOnly = tables->plainNamesOnly && (name.isEmpty() || plain >= 0);
        tables->ascii = tables->ascii && std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; });
    }
    fillIndex(tables->utf16, plainNames, tables->tags);
    if (tables->ascii)
        fillIndex(tables->bytes, plainNames, tables->tags);
    m_tables = std::move(tables);
}

QString CheckHtml(QStringView text, const HtmlCheckList &checkList)
{
    return checkText(View<char16_t>(text.utf16(), std::size_t(text.size())), *checkList.m_tables);
}

QString CheckHtml(QByteArrayView fileBytes, const HtmlCheckList &checkList)
{
    // A name beyond ASCII could stand in the bytes in more than one way: the
    // text is then read as the editor reads it.
    if (!checkList.m_tables->ascii) {
        const QByteArray utf8 = decodedAsUtf8(fileBytes.toByteArray(), detectFileEncoding(fileBytes));
        return CheckHtml(QStringView(QString::fromUtf8(utf8)), checkList);
    }
    const View<char8_t> bytes(reinterpret_cast<const char8_t *>(fileBytes.data()), std::size_t(fileBytes.size()));
    return checkText(bytes, *checkList.m_tables);
}

QString CheckHtml(QStringView text, const QStringList &checkList)
{
    return CheckHtml(text, HtmlCheckList(checkList));
}

QString CheckHtml(const EditableText &text, const QStringList &checkList)
{
    // One pass over the whole text: reading an editor line by line costs more.
    return CheckHtml(text.GetText(), checkList);
}

std::optional<QString> CheckHtml(const ReadBytes &read, QByteArray &buffer, const HtmlCheckList &checkList)
{
    const HtmlCheckList::Tables &tables = *checkList.m_tables;
    // Other names are searched for in the whole text, so it is read whole.
    if (!tables.ascii || !tables.plainNamesOnly) {
        if (!readToEnd(read, buffer, 0))
            return std::nullopt;
        return CheckHtml(QByteArrayView(buffer), checkList);
    }
    PieceBuffer pieces(read, buffer);
    const ReadOn<char8_t> readOn = [&pieces](std::size_t keepFrom) { return pieces.readOn(keepFrom); };
    TagCounter<char8_t> counter(tables.bytes);
    const QList<int> oddLines = LineCollector<char8_t>(readOn, counter).collect();
    if (pieces.failed())
        return std::nullopt;
    return report(oddLines, counter, tables);
}
