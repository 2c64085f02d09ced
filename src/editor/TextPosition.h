#pragma once

#include <QString>

// A place in a text: lines count from 1, columns from 0, both in characters
// (a character outside the basic plane counts once).
struct TextPos
{
    int line = 1;
    int column = 0;

    friend bool operator==(const TextPos &, const TextPos &) = default;
    friend auto operator<=>(const TextPos &, const TextPos &) = default;
};

// The two ends of a selection; the anchor may lie before or after the caret,
// and an empty selection has both ends equal.
struct SelectionRecord
{
    int anchorColumn = 0;
    int caretColumn = 0;
    int anchorLine = 1;
    int caretLine = 1;

    TextPos anchor() const { return {anchorLine, anchorColumn}; }
    TextPos caret() const { return {caretLine, caretColumn}; }
    TextPos start() const { return std::min(anchor(), caret()); }
    TextPos end() const { return std::max(anchor(), caret()); }
    bool isEmpty() const { return anchor() == caret(); }

    static SelectionRecord between(TextPos anchor, TextPos caret)
    {
        return {anchor.column, caret.column, anchor.line, caret.line};
    }
    static SelectionRecord at(TextPos place) { return between(place, place); }

    friend bool operator==(const SelectionRecord &, const SelectionRecord &) = default;
};

// A word found in the text and where it starts.
struct WordPlace
{
    QString word;
    int column = 0;
    int line = 1;

    friend bool operator==(const WordPlace &, const WordPlace &) = default;
};

// The place `offset` characters into a text that starts at `start`, its
// lines broken by line feeds.
inline TextPos placeAfter(TextPos start, QStringView text, qsizetype offset)
{
    const QStringView before = text.left(offset);
    const qsizetype lastBreak = before.lastIndexOf(u'\n');
    if (lastBreak < 0)
        return {start.line, start.column + int(before.size())};
    return {start.line + int(before.count(u'\n')), int(before.size() - lastBreak - 1)};
}
