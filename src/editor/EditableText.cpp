#include "editor/EditableText.h"

#include "editor/TextCharacters.h"

#include <algorithm>

namespace {

// The character at a UTF-16 index and how many units it takes.
std::pair<char32_t, int> characterAt(const QString &text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return {QChar::surrogateToUcs4(c, text.at(i + 1)), 2};
    return {c.unicode(), 1};
}

} // namespace

std::optional<EditableText::Match> EditableText::findFrom(const QString &what, TextPos from) const
{
    if (what.isEmpty())
        return std::nullopt;
    return findText(what, clamp(from), true, SearchOptions{SearchOptions::Forward, false, false});
}

std::optional<EditableText::Match> EditableText::findBackFrom(const QString &what, TextPos before) const
{
    if (what.isEmpty())
        return std::nullopt;
    return findText(what, clamp(before), false, SearchOptions{SearchOptions::Backward, false, false});
}

std::optional<QString> EditableText::firstTextBetween(const QString &open, const QString &close) const
{
    const SearchOptions anyCase{SearchOptions::Forward, false, false};
    const std::optional<Match> start = findText(open, {1, 0}, true, anyCase);
    if (!start)
        return std::nullopt;
    const std::optional<Match> end = findText(close, start->end, true, anyCase);
    if (!end)
        return std::nullopt;
    return textBetween(start->end, end->start);
}

void EditableText::ClearAll()
{
    if (IsReadOnly())
        return;
    SelectAll();
    ReplaceSelection(QString());
}

TextPos EditableText::endOfText() const
{
    const int last = GetLineCount();
    return {last, GetLineLength(last)};
}

TextPos EditableText::clamp(TextPos place) const
{
    const int lines = GetLineCount();
    if (place.line < 1)
        return {1, 0};
    if (place.line > lines)
        return endOfText();
    return {place.line, std::clamp(place.column, 0, GetLineLength(place.line))};
}

int EditableText::GetSelLength() const
{
    return static_cast<int>(TextCharacters::characterCount(GetSelText()));
}

QString EditableText::GetSelText() const
{
    const SelectionRecord s = GetSelection();
    return s.isEmpty() ? QString() : textBetween(s.start(), s.end());
}

void EditableText::ReplaceSelection(const QString &text)
{
    if (IsReadOnly())
        return;
    const SelectionRecord s = GetSelection();
    if (s.isEmpty() && text.isEmpty())
        return;
    replaceRange(s.start(), s.end(), TextCharacters::withLineBreaks(text, lineBreak()));
}

void EditableText::DeleteSelection()
{
    ReplaceSelection(QString());
}

void EditableText::SelectAll()
{
    SetSelection(SelectionRecord::between({1, 0}, endOfText()));
}

bool EditableText::InsertLine(int after, const QString &text)
{
    const int lines = GetLineCount();
    if (IsReadOnly() || after < 0 || after > lines)
        return false;
    const SelectionRecord before = GetSelection();
    const QString body = TextCharacters::withLineBreaks(text, lineBreak());
    const int added = 1 + static_cast<int>(body.count(lineBreak()));
    if (after == 0)
        replaceRange({1, 0}, {1, 0}, body + lineBreak());
    else
        replaceRange({after, GetLineLength(after)}, {after, GetLineLength(after)}, lineBreak() + body);
    // The caret stays on its text.
    const auto shifted = [&](TextPos p) { return p.line > after ? TextPos{p.line + added, p.column} : p; };
    SetSelection(SelectionRecord::between(shifted(before.anchor()), shifted(before.caret())));
    return true;
}

bool EditableText::DeleteLine(int line)
{
    const int lines = GetLineCount();
    if (IsReadOnly() || line < 1 || line > lines)
        return false;
    const SelectionRecord before = GetSelection();
    if (line < lines)
        replaceRange({line, 0}, {line + 1, 0}, QString());
    else if (line > 1)
        replaceRange({line - 1, GetLineLength(line - 1)}, {line, GetLineLength(line)}, QString());
    else
        replaceRange({1, 0}, {1, GetLineLength(1)}, QString());
    const auto shifted = [&](TextPos p) {
        if (p.line == line)
            return clamp({line, 0});
        return p.line > line ? TextPos{p.line - 1, p.column} : p;
    };
    SetSelection(SelectionRecord::between(shifted(before.anchor()), shifted(before.caret())));
    return true;
}

std::optional<WordPlace> EditableText::GetWordAtCaret() const
{
    const TextPos caret = GetSelection().caret();
    const QString line = GetLine(caret.line);
    // Walk the line by characters to find the word that holds or touches the caret.
    int column = 0;
    qsizetype i = 0;
    while (i < line.size()) {
        auto [c, units] = characterAt(line, i);
        if (!TextCharacters::isWordCharacter(c, m_wordsAsText)) {
            i += units;
            ++column;
            continue;
        }
        const int startColumn = column;
        const qsizetype startIndex = i;
        while (i < line.size()) {
            std::tie(c, units) = characterAt(line, i);
            if (!TextCharacters::isWordCharacter(c, m_wordsAsText))
                break;
            i += units;
            ++column;
        }
        if (caret.column >= startColumn && caret.column <= column)
            return WordPlace{line.mid(startIndex, i - startIndex), startColumn, caret.line};
        if (startColumn > caret.column)
            break;
    }
    return std::nullopt;
}

void EditableText::BeginWordScan()
{
    m_scan = {1, 0};
}

void EditableText::SkipScanLine()
{
    m_scan = {m_scan.line + 1, 0};
}

std::optional<WordPlace> EditableText::NextScanWord()
{
    const int lines = GetLineCount();
    while (m_scan.line <= lines) {
        const QString line = GetLine(m_scan.line);
        qsizetype i = TextCharacters::indexOfColumn(line, m_scan.column);
        int column = m_scan.column;
        while (i < line.size()) {
            auto [c, units] = characterAt(line, i);
            if (TextCharacters::isWordCharacter(c, m_wordsAsText))
                break;
            i += units;
            ++column;
        }
        if (i < line.size()) {
            const qsizetype start = i;
            const int startColumn = column;
            while (i < line.size()) {
                auto [c, units] = characterAt(line, i);
                if (!TextCharacters::isWordCharacter(c, m_wordsAsText))
                    break;
                i += units;
                ++column;
            }
            m_scan = {m_scan.line, column};
            return WordPlace{line.mid(start, i - start), startColumn, m_scan.line};
        }
        m_scan = {m_scan.line + 1, 0};
    }
    return std::nullopt;
}

QString EditableText::findTextAsStored() const
{
    // A line break in the search text stands for the document's own.
    return TextCharacters::withLineBreaks(m_findText, lineBreak());
}

std::optional<EditableText::Match> EditableText::search(TextPos from, const SearchOptions &options) const
{
    const QString what = findTextAsStored();
    if (what.isEmpty())
        return std::nullopt;
    switch (options.direction) {
    case SearchOptions::Backward:
        return findText(what, from, false, options);
    case SearchOptions::Forward:
        return findText(what, from, true, options);
    case SearchOptions::WholeText:
        if (auto match = findText(what, from, true, options))
            return match;
        return findText(what, {1, 0}, true, options);
    }
    return std::nullopt;
}

bool EditableText::FindInRange(SelectionRecord &range)
{
    const SearchOptions options = SearchOptions::fromFlags(m_searchFlags);
    const TextPos from = options.direction == SearchOptions::Backward ? clamp(range.start()) : clamp(range.end());
    const std::optional<Match> match = search(from, options);
    if (!match)
        return false;
    range = SelectionRecord::between(match->start, match->end);
    SetSelection(range);
    return true;
}

bool EditableText::Find()
{
    SelectionRecord range = GetSelection();
    return FindInRange(range);
}

void EditableText::notifyFound(int count)
{
    if (m_notifyFound)
        m_notifyFound(count);
}

void EditableText::FindNext()
{
    if (!Find())
        notifyFound(0);
}

bool EditableText::selectionIsMatch(const SearchOptions &options) const
{
    const SelectionRecord s = GetSelection();
    if (s.isEmpty() || m_findText.isEmpty())
        return false;
    const std::optional<Match> match = findText(findTextAsStored(), s.start(), true, options);
    return match && match->start == s.start() && match->end == s.end();
}

void EditableText::Replace()
{
    if (IsReadOnly())
        return;
    SearchOptions options = SearchOptions::fromFlags(m_searchFlags);
    if (selectionIsMatch(options)) {
        const TextPos start = GetSelection().start();
        ReplaceSelection(m_replaceText);
        // Searching backward goes on before the new text, not into it.
        if (options.direction == SearchOptions::Backward)
            SetSelection(SelectionRecord::at(start));
    }
    FindNext();
}

int EditableText::ReplaceAllMatches()
{
    if (IsReadOnly() || m_findText.isEmpty()) {
        notifyFound(0);
        return 0;
    }
    const int count = replaceEvery(findTextAsStored(), TextCharacters::withLineBreaks(m_replaceText, lineBreak()),
                                   SearchOptions::fromFlags(m_searchFlags));
    notifyFound(count);
    return count;
}

int EditableText::replaceEvery(const QString &what, const QString &replacement, const SearchOptions &options)
{
    int count = 0;
    TextPos from{1, 0};
    beginChange();
    while (const std::optional<Match> match = findText(what, from, true, options)) {
        if (match->end <= match->start)
            break; // nothing to replace; searching on would find the same place
        replaceRange(match->start, match->end, replacement);
        from = GetSelection().caret(); // just after the replacement
        ++count;
    }
    endChange();
    return count;
}
