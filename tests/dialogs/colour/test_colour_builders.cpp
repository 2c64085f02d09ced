// The values and markup behind the font and colour dialogs, without a window.
#include "core/SettingsStore.h"
#include "dialogs/colour/FontElement.h"
#include "dialogs/colour/FontFamilyList.h"
#include "dialogs/colour/UserColours.h"
#include "dialogs/colour/WebColour.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(WebColour, OnlyColoursWithEveryChannelOnALevelAreWebColours)
{
    const struct
    {
        RgbColour colour;
        std::optional<WebColour::Positions> positions;
    } cases[] = {
        {{51, 102, 255}, WebColour::Positions{1, 2, 5}},
        {{0, 0, 0}, WebColour::Positions{0, 0, 0}},
        {{255, 255, 255}, WebColour::Positions{5, 5, 5}},
        {{18, 33, 0}, std::nullopt}, // the sum is a multiple of 51, the channels are not
        {{0, 51, 18}, std::nullopt},
        {{50, 0, 0}, std::nullopt},
    };
    for (const auto &[colour, positions] : cases) {
        EXPECT_EQ(WebColour::positions(colour), positions) << ColorToHtml(colour).toStdString();
        if (positions) {
            EXPECT_EQ(WebColour::colour(*positions), colour);
        }
    }
}

TEST(FontElement, WritesFaceSizeAndColourInOrder)
{
    const auto fields = [](QString face, QString sign, QString size, QString colour, bool insert) {
        FontElementFields f;
        f.face = face;
        f.sign = sign;
        f.size = size;
        f.colour = colour;
        f.insertColour = insert;
        return f;
    };
    const struct
    {
        FontElementFields fields;
        const char *tag;
    } cases[] = {
        {fields("Verdana", "+", "3", "#FF0000", true), R"(<font face="Verdana" size="+3" color="#FF0000">)"},
        {fields("", "", "", "#00FF00", true), R"(<font color="#00FF00">)"},
        {fields("Arial, Helvetica", "-", "", "#00FF00", false), R"(<font face="Arial, Helvetica">)"},
        {fields("", "", "2", "", false), R"(<font size="2">)"},
        {fields("", "", "", "", false), "<font>"},
    };
    for (const auto &[f, tag] : cases)
        EXPECT_EQ(FontElement(f), QString::fromUtf8(tag));
}

TEST(FontElement, AnEditedElementKeepsWhatTheDialogDoesNotShow)
{
    const struct
    {
        const char *size;
        const char *sign;
        const char *shownSize;
        const char *tag;
    } cases[] = {
        {"+2", "+", "2", R"(<font face="Arial" size="+2" color="red" class="k" id="i" onclick="go" lang="da">)"},
        {"-1", "-", "1", R"(<font face="Arial" size="-1" color="red" class="k" id="i" onclick="go" lang="da">)"},
        {"4", "", "4", R"(<font face="Arial" size="4" color="red" class="k" id="i" onclick="go" lang="da">)"},
        {"", "", "", R"(<font face="Arial" color="red" class="k" id="i" onclick="go" lang="da">)"},
        // A size the size box cannot hold stays in the element as it was.
        {"big", "", "", R"(<font face="Arial" color="red" class="k" id="i" onclick="go" lang="da" size="big">)"},
        {"+x", "", "", R"(<font face="Arial" color="red" class="k" id="i" onclick="go" lang="da" size="+x">)"},
    };
    for (const auto &[size, sign, shownSize, tag] : cases) {
        const FontElementFields fields = FontFieldsFromElement(
            QStringLiteral("Arial"), QStringLiteral("red"), QString::fromUtf8(size),
            QStringLiteral(R"( class="k" id="i" onclick="go")"), QStringLiteral(R"( lang="da")"));
        EXPECT_EQ(fields.sign, QString::fromUtf8(sign)) << size;
        EXPECT_EQ(fields.size, QString::fromUtf8(shownSize)) << size;
        EXPECT_TRUE(fields.insertColour);
        EXPECT_EQ(FontElement(fields), QString::fromUtf8(tag));
    }
    EXPECT_FALSE(FontFieldsFromElement("Arial", QString(), "3", QString(), QString()).insertColour);
}

TEST(FontElement, PreviewFollowsSizeAndSign)
{
    const struct
    {
        const char *sign;
        const char *size;
        FontPreview preview;
    } cases[] = {
        {"", "", {12, "AaBbØøÅå"}},   {"", "7", {36, "AaBb"}},      {"", "6", {24, "AaBbZz"}},   {"", "5", {18, "AaBbYyZz"}},
        {"", "4", {14, "AaBbYyZz"}},  {"", "3", {12, "AaBbYyZz"}},  {"", "2", {10, "AaBbYyZz"}}, {"", "1", {8, "AaBbYyZz"}},
        {"", "0", {12, "AaBbYyZz"}},  {"+", "4", {36, "AaBb"}},     {"+", "3", {24, "AaBbZz"}},  {"+", "2", {18, "AaBbYyZz"}},
        {"+", "1", {14, "AaBbYyZz"}}, {"-", "1", {10, "AaBbYyZz"}}, {"-", "2", {8, "AaBbYyZz"}},
    };
    for (const auto &[sign, size, preview] : cases)
        EXPECT_EQ(FontPreviewFor(QString::fromUtf8(sign), QString::fromUtf8(size)), preview) << sign << size;
}

TEST(FontFamilyList, QuotesFamiliesPastTheFirstFiveOfTheBox)
{
    QStringList box = FontFamilyList::genericFamilies();
    box << "Arial"
        << "Verdana";
    EXPECT_EQ(FontFamilyList::write({"Verdana", "sans-serif"}, box), QStringLiteral("'Verdana',sans-serif"));
    EXPECT_EQ(FontFamilyList::write({"Not Installed", "Arial"}, box), QStringLiteral("Not Installed,'Arial'"))
        << "a family not in the box is written bare";
    EXPECT_EQ(FontFamilyList::write({}, box), QString());
    EXPECT_EQ(FontFamilyList::read(QStringLiteral("'Times New Roman',serif, Arial")),
              (QStringList{"Times New Roman", "serif", "Arial"}));
}

TEST(UserColours, AreKeptInTheirSection)
{
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(QStringLiteral("p.ini")));
    UserColours::save(settings, {{255, 0, 0}, {0, 51, 102}});
    EXPECT_EQ(settings.readText(QStringLiteral("UserColors"), QStringLiteral("Color1"), QString()), QStringLiteral("#003366"));
    EXPECT_EQ(UserColours::load(settings), (QList<RgbColour>{{255, 0, 0}, {0, 51, 102}}));
    UserColours::save(settings, {{1, 2, 3}});
    EXPECT_EQ(UserColours::load(settings), (QList<RgbColour>{{1, 2, 3}}));
}

} // namespace
