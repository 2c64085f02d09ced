#pragma once

#include "html/TextPieces.h"

#include <QString>

#include <functional>

class EditableText;

// A conversion of a piece of text, such as DanishToReferences.
using Converter = std::function<QString(const QString &)>;

// Where the character conversions work in a document when nothing is
// selected: the body element from "<body" through the next "</body>" (names
// found in any case), else the noframes element likewise, else the whole text.
// The part between the start tag's name and the end tag is converted, and the
// element is written back with its name in lower case.
struct ConversionRange
{
    qsizetype from = 0; // start of the stretch that is replaced
    qsizetype to = 0; // end of that stretch
    qsizetype innerFrom = 0; // start of the converted part
    qsizetype innerTo = 0; // end of the converted part
    QString element; // "body", "noframes", or empty for the whole text
    bool closed = false; // whether an end tag was found and is written back

    // What the stretch becomes: the element's start, the converted part and the end tag.
    QString replacement(const QString &text, const Converter &convert) const;
    // The text with the stretch replaced.
    QString apply(const QString &text, const Converter &convert) const;
    // The same handed on in pieces, a character conversion (see
    // CharacterConversionCut) converting the stretch a piece at a time.
    void applyInPieces(QStringView text, const Converter &convert, const TextPieces &write) const;
};

// A start tag without its end tag counts as running to the end of the text:
// everything after its name is converted and nothing is added.
ConversionRange CharacterConversionRange(QStringView text);

// The character-conversion commands: the selection, or else the range above,
// converted in place. Nothing happens while the text is read-only.
void ConvertDocumentCharacters(EditableText &text, const Converter &convert);

// The markup case commands on the whole text, keeping the selection and the
// first line shown. Nothing happens while the text is read-only.
void ConvertDocumentMarkup(EditableText &text, bool upper, bool xhtml);

// "Slet alle HTML-koder" on the whole text, as one replacement.
void StripDocumentMarkup(EditableText &text);
