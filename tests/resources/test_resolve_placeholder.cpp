#include "resources/ResolvePlaceholder.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace {

const PlaceholderContext InDocument{false, QStringLiteral("*.htm;*.html"), QStringLiteral("/site/sider/om.htm"), QString()};

} // namespace

TEST(ResolvePlaceholder, ColourIsWrittenAsHashAndSixDigits)
{
    ScriptedPrompter prompter;
    prompter.expectColour(QColor(0x12, 0xAB, 0xEF)).expectColour(QColor());
    EXPECT_EQ(ResolvePlaceholder(QStringLiteral("red"), QStringLiteral("[farve]"), false, InDocument, prompter),
              QStringLiteral("#12ABEF"));
    EXPECT_EQ(ResolvePlaceholder(QStringLiteral("red"), QStringLiteral("[farve]"), false, InDocument, prompter),
              QStringLiteral("red"))
        << "cancelled: the value stays";
    EXPECT_TRUE(prompter.allAnswered());
}

TEST(ResolvePlaceholder, ColourGoesToTheWebColourDialogWhenChosen)
{
    ScriptedPrompter prompter;
    PlaceholderContext context = InDocument;
    context.webColourDialog = true;
    QList<RgbColour> starts;
    bool accept = true;
    context.chooseWebColour = [&](RgbColour &colour) {
        starts.append(colour);
        colour = {0, 51, 102};
        return accept;
    };
    EXPECT_EQ(ResolvePlaceholder(QStringLiteral("red"), QStringLiteral("[farve]"), false, context, prompter),
              QStringLiteral("#003366"));
    accept = false;
    EXPECT_EQ(ResolvePlaceholder(QStringLiteral("red"), QStringLiteral("[farve]"), false, context, prompter),
              QStringLiteral("red"))
        << "cancelled: the value stays";
    EXPECT_EQ(starts, (QList<RgbColour>{{255, 0, 0}, {255, 0, 0}}));
}

TEST(ResolvePlaceholder, FontListGoesThroughTheFamilyEditor)
{
    ScriptedPrompter prompter;
    PlaceholderContext context = InDocument;
    QList<std::pair<QString, bool>> asked;
    std::optional<QString> answer = QStringLiteral("'Verdana',sans-serif");
    context.editFontFamilies = [&](const QString &value, bool generic) {
        asked.append({value, generic});
        return answer;
    };
    EXPECT_EQ(ResolvePlaceholder(QStringLiteral("Arial"), QStringLiteral("[font]"), true, context, prompter),
              QStringLiteral("'Verdana',sans-serif"));
    answer.reset();
    EXPECT_EQ(ResolvePlaceholder(QStringLiteral("'Arial',serif"), QStringLiteral("[font]"), false, context, prompter),
              QStringLiteral("'Arial',serif"))
        << "cancelled: the value stays";
    EXPECT_EQ(asked, (QList<std::pair<QString, bool>>{{"Arial", true}, {"'Arial',serif", false}}))
        << "the generic families are offered in style mode";
    EXPECT_EQ(ResolvePlaceholder(QStringLiteral("Arial"), QStringLiteral("[font]"), true, InDocument, prompter),
              QStringLiteral("Arial"))
        << "no editor: the value stays";
}

TEST(ResolvePlaceholder, AddressesStartAtTheCurrentFileAndComeBackRelative)
{
    ScriptedPrompter prompter;
    prompter.expectFiles({"/site/billeder/ny.gif"});
    EXPECT_EQ(ResolvePlaceholder(QStringLiteral("../billeder/gammel.gif"), QStringLiteral("[url(grafik)]"), false, InDocument,
                                 prompter),
              QStringLiteral("../billeder/ny.gif"));
    ASSERT_EQ(prompter.fileDialogs().size(), 1);
    const Prompter::FileDialog &pictures = prompter.fileDialogs().at(0);
    EXPECT_EQ(pictures.folder, QStringLiteral("/site/billeder"));
    EXPECT_EQ(pictures.fileName, QStringLiteral("gammel.gif"));
    ASSERT_EQ(pictures.filters.size(), 2);
    EXPECT_EQ(pictures.filters.at(0).description, QStringLiteral("Grafikfiler"));
    EXPECT_EQ(pictures.filters.at(0).patterns, QStringLiteral("*.gif;*.jpg;*.jpeg;*.png"));
    EXPECT_EQ(pictures.filters.at(1).description, QStringLiteral("Alle filer (*.*)"));
    EXPECT_EQ(pictures.filters.at(1).patterns, QStringLiteral("*.*"));

    // In a stylesheet the base is the stylesheet, and the answer a url( ).
    PlaceholderContext style = InDocument;
    style.styleEditorPath = QStringLiteral("/site/css/stil.css");
    prompter.expectFiles({"/site/billeder/bund.png"});
    EXPECT_EQ(ResolvePlaceholder(QStringLiteral("url('..\\billeder\\top.png')"), QStringLiteral("[url]"), true, style, prompter),
              QStringLiteral("url(../billeder/bund.png)"));
    const Prompter::FileDialog &pages = prompter.fileDialogs().at(1);
    EXPECT_EQ(pages.folder, QStringLiteral("/site/billeder"));
    EXPECT_EQ(pages.fileName, QStringLiteral("top.png"));
    EXPECT_EQ(pages.filters.at(0).description, QStringLiteral("HTML-dokumenter"));
    EXPECT_EQ(pages.filters.at(0).patterns, QStringLiteral("*.htm;*.html"));

    // An unsaved document gets the bare file name; a cancelled dialog keeps the value.
    prompter.expectFiles({"/andet/sted/side.htm"}).expectFiles({});
    EXPECT_EQ(ResolvePlaceholder(QString(), QStringLiteral("[url]"), false, PlaceholderContext(), prompter),
              QStringLiteral("side.htm"));
    EXPECT_EQ(ResolvePlaceholder(QStringLiteral("a.htm"), QStringLiteral("[url]"), false, InDocument, prompter),
              QStringLiteral("a.htm"));
    EXPECT_TRUE(prompter.allAnswered());
}

TEST(ResolvePlaceholder, OtherPlaceholdersAskForTheValue)
{
    const struct
    {
        const char *placeholder, *value;
        std::optional<QString> answer;
        const char *result;
    } cases[] = {
        {"[tal]", "3", QStringLiteral("12"), "12"},
        {"[tal]", "3", std::nullopt, "3"},
        {"[procent]", "", QStringLiteral("50"), "50%"},
        {"[procent]", "", QStringLiteral("50%"), "50%"},
        {"[procent]", "10%", std::nullopt, "10%"},
        {"[procent]", "10%", QString(), ""},
        {"[tekst]", "", QString(300, QLatin1Char('x')), nullptr},
    };
    for (const auto &c : cases) {
        ScriptedPrompter prompter;
        prompter.expectInput(c.answer);
        const QString result = ResolvePlaceholder(QString::fromUtf8(c.value), QString::fromUtf8(c.placeholder), false, InDocument,
                                                  prompter);
        EXPECT_EQ(result, c.result ? QString::fromUtf8(c.result) : QString(255, QLatin1Char('x'))) << c.placeholder;
        ASSERT_EQ(prompter.fileDialogs().size(), 1);
        EXPECT_EQ(prompter.fileDialogs().at(0).caption, QStringLiteral("Værdi"));
        EXPECT_EQ(prompter.fileDialogs().at(0).fileName, QString::fromUtf8(c.value)) << "the box holds the value";
        const QString name = QString::fromUtf8(c.placeholder).mid(1).chopped(1);
        EXPECT_EQ(prompter.inputPrompts(), QStringList(QStringLiteral("Indtast %1:").arg(name)));
    }
}
