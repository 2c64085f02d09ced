#include "core/SettingsOptions.h"
#include "editor/TextBuffer.h"
#include "html/AutoDate.h"
#include "html/DatePattern.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace {

const QDateTime Thursday(QDate(2026, 3, 5), QTime(14, 7, 9, 45));

TEST(DatePattern, PatternsFormatTheMomentWithDanishNames)
{
    const struct
    {
        const char *pattern;
        const char *expected; // nullptr: the pattern is not valid
    } cases[] = {
        {"d.m.yyyy", "5.3.2026"},
        {"\"Opdateret d.\" d.m.yyyy", "Opdateret d. 5.3.2026"},
        {"dd-mm-yy", "05-03-26"},
        {"DD/MM/YYYY", "05.03.2026"},
        {"dddd d. mmmm yyyy", "torsdag 5. marts 2026"},
        {"hh:mm", "14:07"}, // "m" straight after an hour is the minute
        {"hh:mm d/m", "14:07 5.3"}, // and a month again after another letter
        {"h:nn:ss.zzz", "14:07:09.045"},
        {"h:nn am/pm", "2:07 pm"},
        {"'kl.' hh.nn", "kl. 14.07"},
        {"\"it's\" yyyy", "it's 2026"},
        {"q=(y)", "q=(26)"},
        {"\"open", nullptr},
        {"'open", nullptr},
        {"", nullptr},
        {"   ", nullptr},
    };
    for (const auto &c : cases) {
        const auto formatted = FormatDatePattern(QString::fromUtf8(c.pattern), Thursday);
        if (!c.expected)
            EXPECT_FALSE(formatted.has_value()) << c.pattern;
        else
            EXPECT_EQ(formatted.value_or(QStringLiteral("<invalid>")), QString::fromUtf8(c.expected)) << c.pattern;
    }
}

class AutoDateTest : public ::testing::Test
{
protected:
    // The settings of a first start, at the given moment.
    AutoDateSettings settingsAt(const QDateTime &now) const { return AutoDateSettings::fromOptions(SettingsOptions{}, now); }

    static QString dateLine(const QString &date)
    {
        return AutoDateStartMarker + date + AutoDateEndMarker + QStringLiteral("\r\n");
    }

    const QString page = QStringLiteral("<html>\r\n<head>\r\n<title>Side</title>\r\n</head>\r\n<body>\r\n"
                                        "<p>Tekst</p>\r\n</body>\r\n</html>\r\n");
    const QString file = QStringLiteral("C:\\web\\side.htm");
    TextBuffer text{QString(), QStringLiteral("\r\n")};
    ScriptedPrompter prompter;
};

TEST_F(AutoDateTest, SavingANewPageAsksOnceAndPutsTheDateBeforeTheBodyEnd)
{
    text.SetText(page);
    text.SetSelection(SelectionRecord::at({6, 3}));
    prompter.expect(QStringLiteral("C:\\web\\side.htm indeholder ikke en Auto-opdateringsdato.\nØnsker du, at "
                                   "Pagewick skal indsætte en opdateringsdato?"),
                    Prompter::Yes);
    EXPECT_TRUE(UpdateAutoDate(text, file, AutoDateMode::Save, settingsAt(Thursday), prompter));
    EXPECT_EQ(prompter.seen().last().caption, QStringLiteral("Pagewick Autodato"));
    EXPECT_EQ(text.GetLine(7), QStringLiteral("<!-- Pagewick AutoDato -->Opdateret d. 5.3.2026<!-- PW -->"));
    EXPECT_EQ(text.GetLine(8), QStringLiteral("</body>"));
    EXPECT_EQ(text.GetSelection(), SelectionRecord::at({6, 3}));

    // The same day again: the date is there, nothing is asked or changed.
    const QString dated = text.GetText();
    EXPECT_FALSE(UpdateAutoDate(text, file, AutoDateMode::Save, settingsAt(Thursday.addSecs(3600)), prompter));
    EXPECT_EQ(text.GetText(), dated);

    // A later day replaces the date in place.
    EXPECT_TRUE(UpdateAutoDate(text, file, AutoDateMode::Save, settingsAt(Thursday.addDays(30)), prompter));
    EXPECT_EQ(text.GetLine(7), QStringLiteral("<!-- Pagewick AutoDato -->Opdateret d. 4.4.2026<!-- PW -->"));
    EXPECT_TRUE(prompter.allAnswered());
}

TEST_F(AutoDateTest, TheDateLineGoesBeforeTheHtmlEndOrAtTheEndWithoutABody)
{
    const struct
    {
        const char *text;
        const char *expected;
    } cases[] = {
        {"<HTML>\r\nx\r\n</HTML>",
         "<HTML>\r\nx\r\n"
         "%1</HTML>"},
        {"<p>x</p>", "<p>x</p>%1"},
        {"a</Body>b</body>", "a%1</Body>b</body>"},
    };
    for (const auto &c : cases) {
        text.SetText(QString::fromUtf8(c.text));
        prompter.expect(QStringLiteral("indeholder ikke"), Prompter::Yes);
        EXPECT_TRUE(UpdateAutoDate(text, file, AutoDateMode::Save, settingsAt(Thursday), prompter));
        EXPECT_EQ(text.GetText(), QString::fromUtf8(c.expected).arg(dateLine(QStringLiteral("Opdateret d. 5.3.2026")))) << c.text;
    }
}

TEST_F(AutoDateTest, DecliningPutsTheRefusalInTheHeadAndLaterSavesDoNotAsk)
{
    text.SetText(page);
    text.SetSelection(SelectionRecord::between({6, 0}, {6, 3}));
    text.setFirstShownLine(5);
    prompter.expect(QStringLiteral("indeholder ikke"), Prompter::No);
    EXPECT_TRUE(UpdateAutoDate(text, file, AutoDateMode::Save, settingsAt(Thursday), prompter));
    EXPECT_EQ(text.GetLine(4), NoAutoDateMarker);
    EXPECT_EQ(text.GetLine(5), QStringLiteral("</head>"));
    // The selection stays on its text, one line further down.
    EXPECT_EQ(text.GetSelText(), QStringLiteral("<p>"));

    const QString refused = text.GetText();
    EXPECT_FALSE(UpdateAutoDate(text, file, AutoDateMode::Save, settingsAt(Thursday.addDays(1)), prompter));
    EXPECT_EQ(text.GetText(), refused);
    EXPECT_TRUE(prompter.allAnswered());
}

TEST_F(AutoDateTest, DecliningInAPageWithoutHeadWarnsAndPutsTheRefusalFirst)
{
    text.SetText(QStringLiteral("<p>x</p>"));
    prompter.expect(QStringLiteral("indeholder ikke"), Prompter::No)
        .expect(QStringLiteral("Pagewick kan ikke finde dokumentets HEAD-sektion."));
    EXPECT_TRUE(UpdateAutoDate(text, file, AutoDateMode::Save, settingsAt(Thursday), prompter));
    EXPECT_EQ(text.GetText(), NoAutoDateMarker + QStringLiteral("\r\n<p>x</p>"));
    EXPECT_TRUE(prompter.allAnswered());
}

TEST_F(AutoDateTest, WithExistingDatesOnlyASaveNeverAddsOne)
{
    AutoDateSettings settings = settingsAt(Thursday);
    settings.existingOnly = true;
    text.SetText(page);
    EXPECT_FALSE(UpdateAutoDate(text, file, AutoDateMode::Save, settings, prompter));
    EXPECT_EQ(text.GetText(), page);

    text.SetText(QStringLiteral("<p>") + AutoDateStartMarker + QStringLiteral("gammel") + AutoDateEndMarker
                 + QStringLiteral("</p>"));
    EXPECT_TRUE(UpdateAutoDate(text, file, AutoDateMode::Save, settings, prompter));
    EXPECT_EQ(text.GetText(),
              QStringLiteral("<p>") + AutoDateStartMarker + QStringLiteral("Opdateret d. 5.3.2026") + AutoDateEndMarker
                  + QStringLiteral("</p>"));
}

TEST_F(AutoDateTest, MarkersAreFoundWithoutRegardToCaseAndTheCaretKeepsItsText)
{
    text.SetText(QStringLiteral("<p>x</p>\r\n<!-- PAGEWICK AUTODATO -->1.1.2000<!-- pw --> efter\r\nslut"));
    text.SetSelection(SelectionRecord::between({2, 45}, {2, 51})); // " efter"
    EXPECT_TRUE(UpdateAutoDate(text, file, AutoDateMode::Save, settingsAt(Thursday), prompter));
    EXPECT_EQ(text.GetLine(2), QStringLiteral("<!-- PAGEWICK AUTODATO -->Opdateret d. 5.3.2026<!-- pw --> efter"));
    EXPECT_EQ(text.GetSelText(), QStringLiteral(" efter"));
}

TEST_F(AutoDateTest, ABrokenDateIsShownAndLeftAlone)
{
    const QString broken = QStringLiteral("<p>\r\n") + AutoDateStartMarker + QStringLiteral("5.3.2020\r\n</p>");
    text.SetText(broken);
    text.SetSelection(SelectionRecord::at({3, 1}));
    prompter.expect(QStringLiteral("Auto-opdateringsdatoen i C:\\web\\side.htm er blevet ødelagt.\nSlet det markerede "
                                   "og den gamle dato og lad Pagewick indsætte en ny."));
    EXPECT_FALSE(UpdateAutoDate(text, file, AutoDateMode::Save, settingsAt(Thursday), prompter));
    EXPECT_EQ(text.GetText(), broken);
    EXPECT_EQ(text.GetSelection(), SelectionRecord::at({3, 1}));
    EXPECT_TRUE(prompter.allAnswered());
}

TEST_F(AutoDateTest, AnInvalidFormatIsToldAndTheDayMonthYearFormatServes)
{
    AutoDateSettings settings = settingsAt(Thursday);
    settings.format = QStringLiteral("\"Opdateret d. d.m.yyyy");
    text.SetText(QStringLiteral("x"));
    prompter.expect(QStringLiteral("Det angivne datoformat under Indstillinger er ikke lovligt.Pagewick indsætter et "
                                   "gyldigt format. Læs om datoformat i hjælpefilen."));
    EXPECT_TRUE(UpdateAutoDate(text, file, AutoDateMode::Command, settings, prompter));
    EXPECT_EQ(text.GetText(), dateLine(QStringLiteral("5.3.2026")) + QStringLiteral("x"));
    EXPECT_TRUE(prompter.allAnswered());
}

TEST_F(AutoDateTest, TheCommandDropsTheRefusalAndInsertsTheDateAtTheSelection)
{
    text.SetText(QStringLiteral("<head>\r\n") + NoAutoDateMarker + QStringLiteral("\r\n</head>\r\n<p>tekst</p>"));
    text.SetSelection(SelectionRecord::between({4, 3}, {4, 8})); // "tekst", kept
    EXPECT_TRUE(RunUpdateDateCommand(text, file, settingsAt(Thursday), prompter));
    EXPECT_EQ(text.GetText(),
              QStringLiteral("<head>\r\n\r\n</head>\r\n<p>") + dateLine(QStringLiteral("Opdateret d. 5.3.2026"))
                  + QStringLiteral("tekst</p>"));
    EXPECT_EQ(text.GetSelText(), QStringLiteral("tekst"));

    // Run again it only refreshes the date.
    EXPECT_TRUE(RunUpdateDateCommand(text, file, settingsAt(Thursday.addDays(1)), prompter));
    EXPECT_EQ(text.GetLine(4),
              QStringLiteral("<p>") + AutoDateStartMarker + QStringLiteral("Opdateret d. 6.3.2026") + AutoDateEndMarker);
}

TEST_F(AutoDateTest, AReadOnlyTextIsNotTouched)
{
    text.SetText(QStringLiteral("<head>\r\n") + NoAutoDateMarker + QStringLiteral("\r\n</head>"));
    text.SetReadOnly(true);
    EXPECT_FALSE(RunUpdateDateCommand(text, file, settingsAt(Thursday), prompter));
    EXPECT_FALSE(UpdateAutoDate(text, file, AutoDateMode::Save, settingsAt(Thursday), prompter));
    EXPECT_TRUE(text.GetText().contains(NoAutoDateMarker));
}

} // namespace
