#pragma once

#include <QString>

// The options of section "Indstillinger" that shape every document editor;
// SettingsOptions reads and saves them with the rest.
struct EditorOptions
{
    int tabSize = 2; // "Tabulator"
    bool autoIndent = false; // "AutoIndryk"
    bool wordWrap = true; // "Ombrydning"
    QString fontName = QStringLiteral("Courier New"); // "Font"
    int fontSize = 10; // "FontSize"
    QString fontStyle; // "FontStyle": "fed", "kursiv", "fed kursiv" or empty
    friend bool operator==(const EditorOptions &, const EditorOptions &) = default;
};
