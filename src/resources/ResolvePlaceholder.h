#pragma once

#include "html/ColourText.h"

#include <QString>

#include <functional>
#include <optional>

class Prompter;

// What resolving a placeholder needs to know of the program's state.
struct PlaceholderContext
{
    // "FarveDialog": the web colour dialog rather than the prompter's colour
    // dialog, when the caller offers it.
    bool webColourDialog = false;
    QString htmlFilter = QStringLiteral("*.*htm*;*.asp;*.inc;*.php"); // "HTMLfilter"
    QString documentPath; // the active document's file; empty while it has none
    QString styleEditorPath; // the stylesheet or script editor's file, when it is open with one
    // The font-family list editor, starting on a value and answering the new
    // one, nothing when cancelled; the generic families are offered in style
    // mode. Without it a "[font]" value stays as it is.
    std::function<std::optional<QString>(const QString &value, bool genericFamilies)> editFontFamilies;
    // The web colour dialog, starting on the colour and changing it on OK.
    std::function<bool(RgbColour &colour)> chooseWebColour;
};

// Turns a placeholder value ("[farve]", "[font]", "[url]", "[url(grafik)]" or
// any other "[...]") into text by asking the user, starting from the current
// value. A cancelled dialog gives the current value back; an empty result
// means nothing is to be inserted. In style mode a chosen file is written as
// "url(...)" relative to the stylesheet.
QString ResolvePlaceholder(const QString &value, const QString &placeholder, bool styleMode, const PlaceholderContext &context,
                           Prompter &prompter);
