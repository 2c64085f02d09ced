#include "app/SyntaxColours.h"

#include "app/SettingsStore.h"
#include "editor/ItemScanner.h"

namespace SyntaxColours {

namespace {

constexpr quint32 Black = 0x000000, White = 0xFFFFFF, Silver = 0xC0C0C0, Purple = 0x800080, Navy = 0x000080,
                  Grey = 0x808080, Lime = 0x00FF00, Yellow = 0xFFFF00, Aqua = 0x00FFFF, Red = 0xFF0000,
                  DarkPurple = 0x570057;

quint32 fromColourNumber(int number)
{
    const auto n = static_cast<quint32>(number);
    return ((n & 0xFF) << 16) | (n & 0xFF00) | ((n >> 16) & 0xFF);
}

Scheme userScheme(const SettingsStore &store, Pair desktopNormal)
{
    const QString section = QStringLiteral("Editor");
    const auto colour = [&](const char *key, quint32 fallback) {
        const int fallbackNumber = static_cast<int>(fromColourNumber(static_cast<int>(fallback))); // swaps back
        return fromColourNumber(store.readInt(section, QString::fromLatin1(key), fallbackNumber));
    };
    Scheme s;
    s.normal = {colour("AlmT", desktopNormal.text), colour("AlmB", desktopNormal.background)};
    const quint32 elementBackground = colour("ElemB", White);
    s.element = {colour("ElemT", Red), elementBackground};
    s.attribute = {colour("AttribT", Purple), colour("AttribB", elementBackground)};
    s.value = {colour("VaerdiT", Navy), colour("VaerdiB", elementBackground)};
    s.comment = {colour("KomT", Grey), colour("KomB", elementBackground)};
    s.asp = {colour("AspT", Black), colour("AspB", Yellow)};
    s.php = {colour("PhpT", Black), colour("PhpB", Aqua)};
    if (store.readBool(section, QStringLiteral("EnsBg"), false)) {
        for (Pair *p : {&s.element, &s.attribute, &s.value, &s.comment, &s.asp, &s.php})
            p->background = s.normal.background;
    }
    return s;
}

} // namespace

Scheme scheme(int kodefarve, const SettingsStore &store, Pair desktopNormal)
{
    switch (kodefarve) {
    case 0: {
        const Pair plain{Black, White};
        return {plain, plain, plain, plain, plain, plain, plain};
    }
    case 1:
        return {{Black, Silver},      {Purple, Silver}, {DarkPurple, Silver}, {Navy, Silver},
                {Grey, Silver},       {Black, Yellow},  {Black, Aqua}};
    case 3:
        return userScheme(store, desktopNormal);
    default:
        return {{Black, White},  {White, Navy},   {Purple, Silver}, {Navy, Silver},
                {White, Lime},   {Black, Yellow}, {Black, Aqua}};
    }
}

Scheme schemeFromSettings(const SettingsStore &store, Pair desktopNormal)
{
    return scheme(store.readInt(QStringLiteral("Indstillinger"), QStringLiteral("Kodefarve"), 2), store, desktopNormal);
}

Pair colourForWord(const Scheme &scheme, quint16 kind, const QString &word, const QSet<QString> &elementNames)
{
    switch (kind) {
    case ItemScanner::FirstWordKind:
        if (word == QLatin1String("!--") || word == QLatin1String("--"))
            return scheme.comment;
        if (word == QLatin1String("%"))
            return scheme.asp;
        if (word == QLatin1String("?") || word.compare(QLatin1String("?php"), Qt::CaseInsensitive) == 0)
            return scheme.php;
        return elementNames.contains(word.toLower()) ? scheme.element : scheme.attribute;
    case ItemScanner::DoubleQuotedValueKind:
    case ItemScanner::SingleQuotedValueKind:
        return scheme.value;
    default:
        return scheme.attribute;
    }
}

} // namespace SyntaxColours
