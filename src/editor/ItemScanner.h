#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <cstdint>

// Finds the items (tags, from "<" to the next ">") of UTF-8 markup and the
// words in them, for syntax colouring. Comments ("<!--" to "-->"), server
// script ("<%" to "%>") and PHP ("<?" to "?>") are items whose whole text
// takes the colours of their first word. Items may continue across lines; the
// state at the end of a line lets the next line be scanned on its own.
namespace ItemScanner {

// The kinds by which the words of items are reported for colouring.
enum WordKind : quint16 {
    FirstWordKind = 1, // the name after "<"
    OtherWordKind = 2, // any other word of an item
    DoubleQuotedValueKind = 8193,
    SingleQuotedValueKind = 24577,
};

enum class State : std::uint8_t {
    Outside = 0,
    InTag,
    InDoubleQuotes,
    InSingleQuotes,
    InComment,
    InServerScript,
    InPhp,
};

enum class RunKind : std::uint8_t {
    Text, // outside any item
    FirstWord, // the name after "<" (or "!--", "%", "?", "?php")
    Word, // another word of an item
    Punctuation, // "<", ">", "=", "/" and blanks inside an item
    DoubleQuoted, // a value in double quotes, quotes included
    SingleQuoted, // a value in single quotes, quotes included
    Enclosed, // the rest of a comment, server script or PHP item
};

struct Run
{
    qsizetype start; // byte offset in the scanned text
    qsizetype length;
    RunKind kind;
};

struct Result
{
    QList<Run> runs; // consecutive, covering the whole text
    QList<State> lineEnds; // the state after each line break, in order
    State end = State::Outside;
    // For Enclosed runs: the first word of the enclosing item (e.g. "!--").
    QList<QByteArray> enclosingWords;
};

// Scans bytes [0, size) starting in the given state. The enclosing word is
// that of an item already open at the start (for Enclosed runs there).
// Without multiline items every line starts outside any item.
void scan(const char *text, qsizetype size, State start, const QByteArray &openItemWord, bool multilineItems, Result &result);

// A place to start scanning from inside a long text without scanning all of
// it: the last "<" shortly before `position` when it is nearer than the last
// ">", else `position` itself (outside any item).
qsizetype resyncPoint(const char *text, qsizetype position, qsizetype lookBack = 65536);

} // namespace ItemScanner
