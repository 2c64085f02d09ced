#pragma once

#include <QList>
#include <QString>

#include <functional>

// Danish letters and the special characters to and from character references.

// Reports how far a long conversion has come, in percent.
using ConversionProgress = std::function<void(int percent)>;

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
// Progress is told after each letter.
QString DanishToReferences(const QString &text, const ConversionProgress &progress = {});

// The named references of the Danish letters, then their numeric ones, as
// letters. Progress is told after each named reference.
QString ReferencesToDanish(const QString &text, const ConversionProgress &progress = {});

// A row of the special-character list.
struct SpecialCharacterRow
{
    QString character;
    QString html;    // the named reference, "&...;"; may be empty
    QString decimal; // the numeric reference, "&#...;"
};

// The first rows of the list are "&", "<", ">", the double quote, the
// apostrophe, the no-break space and the soft hyphen: converting them would
// rewrite the markup itself or hide a character the user placed on purpose,
// so the whole-text conversions start at this row.
inline constexpr int FirstConvertedSpecialRow = 7;

// The characters of the rows from FirstConvertedSpecialRow on as their named
// references, row by row in list order; a row without a named reference, or
// whose character is ASCII or one of the first seven, is left out. Progress is told after each row.
QString SpecialToReferences(const QString &text, const QList<SpecialCharacterRow> &rows,
                            const ConversionProgress &progress = {});

// The named references of those rows as their characters.
QString ReferencesToSpecial(const QString &text, const QList<SpecialCharacterRow> &rows,
                            const ConversionProgress &progress = {});
