#include "core/SettingsStore.h"
#include "editor/WordColours.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using SyntaxColours::Pair;

const Pair Desktop{0x111111, 0xEEEEEE};

TEST(SyntaxColours, WordsTakeTheirKindsColoursInPagewick2)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("s.ini")));
    const SyntaxColours::Scheme s = SyntaxColours::scheme(SyntaxColours::Pagewick2, store, Desktop);
    const QSet<QString> elements{QStringLiteral("p"), QStringLiteral("table")};
    const struct
    {
        quint16 kind;
        const char *word;
        Pair expected;
    } cases[] = {
        {1, "P", {0xFFFFFF, 0x000080}}, // an element, in any case
        {1, "TaBle", {0xFFFFFF, 0x000080}}, {1, "blink", {0x800080, 0xC0C0C0}}, // unknown: attribute colours
        {1, "!--", {0xFFFFFF, 0x00FF00}},   {1, "--", {0xFFFFFF, 0x00FF00}},    {1, "%", {0x000000, 0xFFFF00}},
        {1, "?", {0x000000, 0x00FFFF}},     {1, "?PHP", {0x000000, 0x00FFFF}},  {8193, "", {0x000080, 0xC0C0C0}},
        {24577, "", {0x000080, 0xC0C0C0}},  {2, "class", {0x800080, 0xC0C0C0}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SyntaxColours::colourForWord(s, c.kind, QString::fromUtf8(c.word), elements), c.expected) << c.word;
    EXPECT_EQ(s.normal, (Pair{0x000000, 0xFFFFFF}));
}

TEST(SyntaxColours, TheOtherSchemes)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("s.ini")));
    const SyntaxColours::Scheme none = SyntaxColours::scheme(0, store, Desktop);
    EXPECT_EQ(none.element, none.normal);
    const SyntaxColours::Scheme one = SyntaxColours::scheme(1, store, Desktop);
    EXPECT_EQ(one.normal, (Pair{0x000000, 0xC0C0C0}));
    EXPECT_EQ(one.attribute, (Pair{0x570057, 0xC0C0C0}));

    // The user's own: defaults, then stored colour numbers (0x00BBGGRR).
    SyntaxColours::Scheme own = SyntaxColours::scheme(3, store, Desktop);
    EXPECT_EQ(own.normal, Desktop);
    EXPECT_EQ(own.element, (Pair{0xFF0000, 0xFFFFFF}));
    store.writeInt(QStringLiteral("Editor"), QStringLiteral("ElemT"), 0x0000FF); // red
    store.writeInt(QStringLiteral("Editor"), QStringLiteral("ElemB"), 0xFF0000); // blue
    own = SyntaxColours::scheme(3, store, Desktop);
    EXPECT_EQ(own.element, (Pair{0xFF0000, 0x0000FF}));
    EXPECT_EQ(own.value.background, 0x0000FFu); // follows the elements' background
    store.writeBool(QStringLiteral("Editor"), QStringLiteral("EnsBg"), true);
    own = SyntaxColours::scheme(3, store, Desktop);
    EXPECT_EQ(own.element.background, Desktop.background);
    EXPECT_EQ(own.php.background, Desktop.background);
}

} // namespace
