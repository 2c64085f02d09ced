#pragma once

// The line reader of the HTML check, written once over the character type: UTF-16
// units for the editor's text and single bytes for a file's bytes. They only
// ever compare characters with ASCII ones, so both give the same report on
// the same text. Only the check itself includes them.

#include "html/CheckTagCounter.h"

#include <QList>

#include <functional>

namespace HtmlCheckParts {

// Whether the (lower-case ASCII) word stands at `at`, ignoring the case of A-Z.
template <typename Char> bool wordAt(View<Char> text, std::size_t at, std::string_view word)
{
    if (text.size() - at < word.size())
        return false;
    for (std::size_t k = 0; k < word.size(); ++k) {
        if (lowerAscii(text[at + k]) != Char(word[k]))
            return false;
    }
    return true;
}

template <typename Char> std::size_t count(View<Char> text, Char c)
{
    return std::size_t(std::count(text.begin(), text.end(), c));
}

// What of a text has been read: from the start of the line being read on.
template <typename Char> struct TextWindow
{
    View<Char> text;
    bool final = true; // whether the text ends with it
};

// Gives the window that goes on from `keepFrom` of the last one, with the
// text that follows it read in.
template <typename Char> using ReadOn = std::function<TextWindow<Char>(std::size_t keepFrom)>;

// The lines of the text, script sections left out: a line with "<script"
// starts a section and keeps what stands before it, a line with "</script>"
// ends it and keeps what follows. Lines are read whole, however long. The
// lines that take part are joined without line breaks for the tag counts;
// the result is the lines whose "<" and ">" counts differ.
template <typename Char> class LineCollector
{
public:
    // The whole text at once.
    LineCollector(View<Char> text, TagCounter<Char> &joined)
        : m_text(text)
        , m_joined(joined)
    {
    }

    // The text a window at a time.
    LineCollector(const ReadOn<Char> &readOn, TagCounter<Char> &joined)
        : m_final(false)
        , m_readOn(&readOn)
        , m_joined(joined)
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

} // namespace HtmlCheckParts
