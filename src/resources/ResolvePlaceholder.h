#pragma once

#include <QString>

class Prompter;

// What resolving a placeholder needs to know of the program's state.
struct PlaceholderContext
{
    // "FarveDialog": the web colour dialog rather than the system one. Until
    // the web colour dialog exists, both are the prompter's colour dialog.
    bool webColourDialog = false;
    QString htmlFilter = QStringLiteral("*.*htm*;*.asp;*.inc;*.php"); // "HTMLfilter"
    QString documentPath; // the active document's file; empty while it has none
    QString styleEditorPath; // the stylesheet or script editor's file, when it is open with one
};

// Turns a placeholder value ("[farve]", "[font]", "[url]", "[url(grafik)]" or
// any other "[...]") into text by asking the user, starting from the current
// value. A cancelled dialog gives the current value back; an empty result
// means nothing is to be inserted. In style mode a chosen file is written as
// "url(...)" relative to the stylesheet, and fonts as a CSS family list.
QString ResolvePlaceholder(const QString &value, const QString &placeholder, bool styleMode, const PlaceholderContext &context,
                           Prompter &prompter);
