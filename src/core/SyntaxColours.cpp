#include "core/SyntaxColours.h"

#include "core/SettingsKeys.h"
#include "core/SettingsStore.h"

namespace SyntaxColours {

namespace {

constexpr quint32 Black = 0x000000, White = 0xFFFFFF, Silver = 0xC0C0C0, Purple = 0x800080, Navy = 0x000080, Grey = 0x808080,
                  Lime = 0x00FF00, Yellow = 0xFFFF00, Aqua = 0x00FFFF, Red = 0xFF0000, DarkPurple = 0x570057;

} // namespace

void Scheme::useNormalBackground()
{
    for (Pair *p : {&element, &attribute, &value, &comment, &asp, &php})
        p->background = normal.background;
}

quint32 fromColourNumber(int number)
{
    const auto n = static_cast<quint32>(number);
    return ((n & 0xFF) << 16) | (n & 0xFF00) | ((n >> 16) & 0xFF);
}

int toColourNumber(quint32 rgb)
{
    return static_cast<int>(fromColourNumber(static_cast<int>(rgb))); // the swap is its own inverse
}

Scheme builtInScheme(int kodefarve)
{
    switch (kodefarve) {
    case NoColours: {
        const Pair plain{Black, White};
        return {plain, plain, plain, plain, plain, plain, plain};
    }
    case Pagewick1:
        return {{Black, Silver}, {Purple, Silver}, {DarkPurple, Silver}, {Navy, Silver},
                {Grey, Silver},  {Black, Yellow},  {Black, Aqua}};
    default:
        return {{Black, White}, {White, Navy}, {Purple, Silver}, {Navy, Silver}, {White, Lime}, {Black, Yellow}, {Black, Aqua}};
    }
}

Scheme userScheme(const SettingsStore &store, Pair desktopNormal)
{
    // Attributes, values and comments default to the elements' background.
    Scheme defaults{desktopNormal, {Red, White}, {Purple, White}, {Navy, White}, {Grey, White}, {Black, Yellow}, {Black, Aqua}};
    const auto colour = [&](const char *key, quint32 fallback) {
        return fromColourNumber(store.readInt(Keys::Editor, QString::fromLatin1(key), toColourNumber(fallback)));
    };
    Scheme s;
    for (const PairKeys &keys : UserKeys) {
        const Pair fallback = defaults.*keys.pair;
        s.*keys.pair = {colour(keys.textKey, fallback.text), colour(keys.backgroundKey, fallback.background)};
        if (keys.pair == &Scheme::element) {
            for (Pair *p : {&defaults.attribute, &defaults.value, &defaults.comment})
                p->background = s.element.background;
        }
    }
    if (store.readBool(Keys::Editor, QString::fromLatin1(SameBackgroundKey), false))
        s.useNormalBackground();
    return s;
}

Scheme scheme(int kodefarve, const SettingsStore &store, Pair desktopNormal)
{
    return kodefarve == UserDefined ? userScheme(store, desktopNormal) : builtInScheme(kodefarve);
}

} // namespace SyntaxColours
