#pragma once

#include <QSet>
#include <QString>

class SettingsStore;

// The colours of the syntax colouring: a text and a background colour for
// normal text and for each kind of markup, by the chosen scheme.
namespace SyntaxColours {

struct Pair
{
    quint32 text = 0x000000;       // 0xRRGGBB
    quint32 background = 0xFFFFFF;
    friend bool operator==(const Pair &, const Pair &) = default;
};

struct Scheme
{
    Pair normal, element, attribute, value, comment, asp, php;
};

// "Kodefarve": 0 none, 1 "Pagewick 1", 2 "Pagewick 2", 3 the user's own from
// section "Editor" (stored as colour numbers 0x00BBGGRR). The desktop's own
// window colours are the user's default for normal text.
Scheme scheme(int kodefarve, const SettingsStore &store, Pair desktopNormal);
Scheme schemeFromSettings(const SettingsStore &store, Pair desktopNormal);

// The colours of one word of an item, as the editor reports it: its kind and
// text. Element names are given in lower case.
Pair colourForWord(const Scheme &scheme, quint16 kind, const QString &word, const QSet<QString> &elementNames);

} // namespace SyntaxColours
