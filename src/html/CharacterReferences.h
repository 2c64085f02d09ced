#pragma once

#include "core/Progress.h"

#include <QList>
#include <QString>

#include <functional>

// Danish letters and the special characters to and from character references.

// Every occurrence of `find` (exact case) replaced by `replacement`, in one
// pass from left to right. An empty `find` changes nothing.
QString ReplaceAll(const QString &text, const QString &find, const QString &replacement);

// One letter with its named and its numeric reference.
struct DanishReference
{
    QChar letter;
    QLatin1StringView named;
    QLatin1StringView numeric;
};

// æ, ø, å, Æ, Ø, Å in the order in which they are converted.
extern const DanishReference DanishReferenceTable[6];

// Each Danish letter as its named reference; numeric references are never written.
// Progress is told six times, once per letter of the table, as the text is read.
QString DanishToReferences(const QString &text, const ConversionProgress &progress = {});

// DanishToReferences of `text`, appended to `out`: for a text written after a
// part kept as it is, without a copy of either.
void AppendDanishReferences(QString &out, QStringView text, const ConversionProgress &progress = {});

// The named and the numeric references of the Danish letters as letters.
// Progress is told six times as the text is read; not at all without an "&".
QString ReferencesToDanish(const QString &text, const ConversionProgress &progress = {});

// A row of the special-character list.
struct SpecialCharacterRow
{
    QString character;
    QString html; // the named reference, "&...;"; may be empty
    QString decimal; // the numeric reference, "&#...;"
};

// The first rows of the list are "&", "<", ">", the double quote, the
// apostrophe, the no-break space and the soft hyphen: converting them would
// rewrite the markup itself or hide a character the user placed on purpose,
// so the whole-text conversions start at this row.
inline constexpr int FirstConvertedSpecialRow = 7;

// The characters of the rows from FirstConvertedSpecialRow on as their named
// references, with the result of replacing them row by row in list order: a
// character's first row gives its reference, and where the characters of two
// rows overlap in the text the earlier row takes them. A row whose reference
// is not a named one ("&", ASCII letters and digits, ";"), or whose character
// is ASCII or one of the first seven, is left out. The text is read once;
// progress is told once per row from FirstConvertedSpecialRow on (row * 100 /
// row count), spread over the reading.
QString SpecialToReferences(const QString &text, const QList<SpecialCharacterRow> &rows, const ConversionProgress &progress = {});

// The named references of those rows as their characters, the first row of a
// reference giving the character; read once, progress as above, none without an "&".
QString ReferencesToSpecial(const QString &text, const QList<SpecialCharacterRow> &rows, const ConversionProgress &progress = {});

// Where a long text may be cut for the conversions above: no reference and no
// converted character holds a "<" or a line break, so the conversions of the
// pieces cut there, joined, are the conversion of the whole. The first such
// place at or after `from` (the place of that character), or the text's end.
qsizetype CharacterConversionCut(QStringView text, qsizetype from);
