#pragma once

#include "dialogs/element/CommonFields.h"

// The image panel ("Grafik").
struct ImageValues
{
    // The items of "T&ekstjustering:", in their order.
    enum class Alignment { Top, Middle, Bottom, Left, Right };

    QString file;
    QString altText;
    int width = 0;
    bool widthPercent = false;
    int height = 0;
    bool heightPercent = false;
    int border = 0;
    bool borderAlways = false; // the border is written even when 0
    int marginTopBottom = 0; // vspace
    int marginLeftRight = 0; // hspace
    Alignment alignment = Alignment::Bottom;
    QString mapName; // usemap, with its "#"

    friend bool operator==(const ImageValues &, const ImageValues &) = default;

    // From an edited img element. A border it has, even 0, ticks the box
    // that writes it, so that it is kept as it was.
    static ImageValues fromEdit(ElementEdit &edit);
};

// The img element; `suffix` is what elements without an end tag end with.
// A width or height is written only when it is above 0.
QString buildImage(const ImageValues &values, const CommonFields &common, const QString &suffix);

// A map name as usemap takes it: "#" in front of a name that lacks one.
QString mapReference(const QString &name);
