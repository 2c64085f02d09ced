#pragma once

#include <QSet>
#include <QString>

#include <array>

class SettingsStore;

// The colours of the syntax colouring: a text and a background colour for
// normal text and for each kind of markup, by the chosen scheme.
namespace SyntaxColours {

struct Pair
{
    quint32 text = 0x000000; // 0xRRGGBB
    quint32 background = 0xFFFFFF;
    friend bool operator==(const Pair &, const Pair &) = default;
};

struct Scheme
{
    Pair normal, element, attribute, value, comment, asp, php;
    friend bool operator==(const Scheme &, const Scheme &) = default;

    // Every background becomes the normal background.
    void useNormalBackground();
};

// "Kodefarve": the schemes the user chooses between.
enum SchemeChoice { NoColours = 0, Pagewick1 = 1, Pagewick2 = 2, UserDefined = 3 };

// The keys of one pair in section "Editor".
struct PairKeys
{
    const char *textKey;
    const char *backgroundKey;
    Pair Scheme::*pair;
};

// Every pair of the user's own scheme, normal text first.
inline constexpr std::array<PairKeys, 7> UserKeys{{
    {"AlmT", "AlmB", &Scheme::normal},
    {"ElemT", "ElemB", &Scheme::element},
    {"AttribT", "AttribB", &Scheme::attribute},
    {"VaerdiT", "VaerdiB", &Scheme::value},
    {"KomT", "KomB", &Scheme::comment},
    {"AspT", "AspB", &Scheme::asp},
    {"PhpT", "PhpB", &Scheme::php},
}};

// "EnsBg" in section "Editor": the user's scheme draws every kind on the normal background.
inline constexpr const char *SameBackgroundKey = "EnsBg";

// Stored colours are the platform's colour numbers, 0x00BBGGRR.
quint32 fromColourNumber(int number);
int toColourNumber(quint32 rgb);

// The fixed schemes "Ingen", "Pagewick 1" and "Pagewick 2" (any other value).
Scheme builtInScheme(int kodefarve);
// The user's own scheme from section "Editor", with "EnsBg" applied. The
// desktop's own window colours are the default for normal text.
Scheme userScheme(const SettingsStore &store, Pair desktopNormal);

// "Kodefarve": 0 none, 1 "Pagewick 1", 2 "Pagewick 2", 3 the user's own.
Scheme scheme(int kodefarve, const SettingsStore &store, Pair desktopNormal);

} // namespace SyntaxColours
