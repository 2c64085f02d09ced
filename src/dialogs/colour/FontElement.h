#pragma once

#include <QStringList>

// What the font dialog knows of a font element, and what it keeps unread.
struct FontElementFields
{
    QString face;
    QString sign; // "", "+" or "-"
    QString size; // a whole number, or empty
    QString colour; // written only when insertColour is set
    bool insertColour = false;
    // The element's class, id, style and event attributes, written back as
    // they were, and whatever else the element held.
    QString keptAttributes;
    QString remainder;
};

// The fields of an existing element's face, color and size values. A size the
// size box cannot hold goes into the remainder as it stood.
FontElementFields FontFieldsFromElement(const QString &face, const QString &colour, const QString &size,
                                        const QString &keptAttributes, const QString &remainder);

// The font start tag: face, size, colour, then the kept attributes and the
// remainder.
QString FontElement(const FontElementFields &fields);

// The preview of a size: its point size and sample text.
struct FontPreview
{
    int points = 12;
    QString text;
    friend bool operator==(const FontPreview &, const FontPreview &) = default;
};

// sizeText must already be a whole number or empty.
FontPreview FontPreviewFor(const QString &sign, const QString &sizeText);

// The family box's items when the web font list is chosen.
const QStringList &WebFontList();
