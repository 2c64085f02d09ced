#pragma once

#include <QKeySequence>
#include <QString>

#include <array>

// The filters of the reference list: a row passes filter n when its kind
// text contains the filter's word; filter 0 passes every row.
struct ReferenceFilter
{
    const char *hint; // the tool button's hint
    const char *menuText; // the context menu's radio entry
    QKeyCombination shortcut;
    const char *word;
    const char *icon; // the program's toolbar drawing for the button
};

inline const std::array<ReferenceFilter, 11> ReferenceFilters{{
    {"Alle forbindelser", "&Vis alle", Qt::Key_F12, "", "filter-all"},
    {"Web-henvisninger", "&Web", Qt::CTRL | Qt::Key_1, "Web", "external-browser"},
    {"Lokale henvisninger", "&Lokale", Qt::CTRL | Qt::Key_2, "Lokal", "filter-html"},
    {"Interne henvisninger", "&Interne", Qt::CTRL | Qt::Key_3, "Intern", "bookmark"},
    {"Ramme-henvisninger", "&Rammer", Qt::CTRL | Qt::Key_4, "Ramme", "frames"},
    {"E-mail-henvisninger", "&E-mail", Qt::CTRL | Qt::Key_5, "E-mail", "email"},
    {"Grafik", "&Grafik", Qt::CTRL | Qt::Key_6, "Grafik", "image"},
    {"Typografiark", "&Typografiark", Qt::CTRL | Qt::Key_7, "Typografiark", "filter-stylesheets"},
    {"Skript/applet", "&Skript/applet", Qt::CTRL | Qt::Key_8, "Skript", "script"},
    {"Indkapslede objekter (<EMBED>)", "E&mbed", Qt::CTRL | Qt::Key_9, "Embed", "sound"},
    {"ActiveX-objekter", "&ActiveX", Qt::CTRL | Qt::Key_0, "ActiveX", "form"},
}};
