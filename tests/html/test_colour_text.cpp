#include "html/ColourText.h"

#include <gtest/gtest.h>

TEST(ColourText, ReadsCodesAndNamesAndFallsBackToWhite)
{
    const struct
    {
        const char *text;
        RgbColour colour;
    } cases[] = {
        {"#FF8000", {255, 128, 0}},   {"ff8000", {255, 128, 0}}, {"\"#0a0B0c\"", {10, 11, 12}},
        {"red", {255, 0, 0}},         {"Teal", {0, 128, 128}},   {"\"navy\"", {0, 0, 128}},
        {"#GG0000", {255, 255, 255}}, {"rød", {255, 255, 255}},  {"", {255, 255, 255}},
    };
    for (const auto &c : cases) {
        const RgbColour colour = HtmlToColor(QString::fromUtf8(c.text));
        EXPECT_EQ(colour, c.colour) << c.text << ": " << colour.red << "," << colour.green << "," << colour.blue;
    }
    EXPECT_EQ(ColorToHtml({255, 128, 10}), QStringLiteral("#FF800A"));
    EXPECT_EQ(ColorToHtml(HtmlToColor(QStringLiteral("fuchsia"))), QStringLiteral("#FF00FF"));
}
