#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

// Comparisons of markup that ignore the case of the letters A-Z only. The text
// is Windows-1252 at heart, where no other letter lower-cases into one of
// these, so an element name never matches by way of a foreign letter.
namespace AsciiText {

inline char16_t lower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

inline char16_t upper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}

// The text with A-Z written as a-z, everything else as it is.
QString lowered(QStringView text);

// Whether the text at `at` starts with the (lower-case) word, ignoring the case of A-Z.
bool startsWithAt(QStringView text, qsizetype at, QLatin1StringView lowerWord);

// The first place at or after `from` where the (lower-case) word stands, ignoring
// the case of A-Z; -1 when there is none.
qsizetype indexOf(QStringView text, QLatin1StringView lowerWord, qsizetype from = 0);

} // namespace AsciiText
