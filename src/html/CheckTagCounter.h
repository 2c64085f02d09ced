#pragma once

// The tag counts of the HTML check, written once over the character type: UTF-16
// units for the editor's text and single bytes for a file's bytes. They only
// ever compare characters with ASCII ones, so both give the same report on
// the same text. Only the check itself includes them.

#include "html/CheckNameIndex.h"

#include <QtGlobal>

#include <cstdint>
#include <memory>

namespace HtmlCheckParts {

// For each group of wanted characters, the bits of their places in the block of the text from `at`.
template <typename Char, std::size_t K, std::size_t N>
std::array<std::uint64_t, K> masksAt(View<Char> text, std::size_t at, const std::array<AnyOf<Char, N>, K> &wanted)
{
    if (at >= text.size())
        return {};
    return CharacterMasks::of(text.data() + at, std::min(BlockSize, text.size() - at), wanted);
}

struct TagCounts
{
    qsizetype starts = 0; // "<name>" and "<name "
    qsizetype ends = 0; // "</name>"
};

// Counts the plain names of the list in the joined text as the lines are
// joined, a buffer at a time: a "<" is read once the buffer holds enough of
// what follows it for the longest name, and the rest moves to the front of the
// buffer. When the list has other names, which are searched for in the whole
// text, the buffer holds the whole joined text instead, lower-cased (A-Z).
template <typename Char> class TagCounter
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
    explicit TagCounter(const NameIndex<Char> &index)
        : TagCounter(index, false, movingCapacity(index))
    {
    }

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
        : m_index(index)
        , m_counts(index.plainNames.size())
        , m_margin(index.longest + 3)
        , m_keepWholeText(keepWholeText)
        , m_capacity(capacity)
        , m_buffer(std::make_unique_for_overwrite<Char[]>(capacity))
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

} // namespace HtmlCheckParts
