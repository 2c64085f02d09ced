#pragma once

#include <QString>

// A colour as documents write it: "#" and six upper-case hexadecimal digits
// for red, green and blue.
struct RgbColour
{
    int red = 255;
    int green = 255;
    int blue = 255;
    friend bool operator==(const RgbColour &, const RgbColour &) = default;
};

QString ColorToHtml(RgbColour colour);

// Reads "#RRGGBB" (quotes around it allowed) or one of the sixteen colour
// names of HTML 4 in any case. Text that is not a colour gives white.
RgbColour HtmlToColor(const QString &text);
