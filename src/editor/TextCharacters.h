#pragma once

#include <QString>

// Character classes and line breaks shared by every text implementation.
namespace TextCharacters {

// A word is a run of letters, digits and underscores; with asText on, a run of
// anything but blanks, line breaks and the markup characters < > = " '.
bool isWordCharacter(char32_t c, bool asText = false);

// Number of characters (code points) in a piece of text.
qsizetype characterCount(QStringView text);
// Index in UTF-16 units of the given character column, clamped to the text.
qsizetype indexOfColumn(QStringView text, int column);

// The first line break in the text ("\r\n", "\n" or "\r"), or the fallback.
QString detectLineBreak(QStringView text, const QString &fallback);
// Every line break of the text written as the given one.
QString withLineBreaks(const QString &text, const QString &lineBreak);

} // namespace TextCharacters
