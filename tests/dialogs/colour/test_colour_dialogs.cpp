// The colour field, the web colour dialog and the font dialog, on screen
// (offscreen), answered through the prompt seam.
#include "core/SettingsStore.h"
#include "workbench/HelpLine.h"
#include "dialogs/colour/ColourChoosers.h"
#include "dialogs/colour/ColourGrid.h"
#include "dialogs/colour/TEditWebColor.h"
#include "dialogs/colour/TWebCol.h"
#include "dialogs/colour/TfrmSkrift.h"
#include "dialogs/colour/UserColours.h"
#include "dialogs/colour/WebColour.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

QStringList valueTexts(const TWebCol &dialog)
{
    return {dialog.valueLabel(0)->text(), dialog.valueLabel(1)->text(), dialog.valueLabel(2)->text(), dialog.code()};
}

QList<int> sliderPositions(const TWebCol &dialog)
{
    return {dialog.slider(0)->value(), dialog.slider(1)->value(), dialog.slider(2)->value()};
}

TEST(WebColourDialog, ShowsTheLevelsOfAWebColourAndDashesForAnyOther)
{
    TWebCol dialog({51, 102, 255}, {});
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Webfarver"));
    EXPECT_EQ(sliderPositions(dialog), (QList<int>{1, 2, 5}));
    EXPECT_EQ(valueTexts(dialog), (QStringList{"51", "102", "255", "#3366FF"}));

    dialog.pick({18, 33, 0});
    EXPECT_EQ(sliderPositions(dialog), (QList<int>{0, 0, 0}));
    EXPECT_EQ(valueTexts(dialog), (QStringList{"-", "-", "-", "-"}));

    dialog.slider(1)->setValue(3);
    EXPECT_EQ(valueTexts(dialog), (QStringList{"0", "153", "0", "#009900"}));
    EXPECT_EQ(dialog.colour(), (RgbColour{0, 153, 0}));
}

TEST(WebColourDialog, PaletteClicksPickAndTheUserColoursAreKeptOnOk)
{
    QTemporaryDir dir;
    SettingsStore settings(dir.filePath(QStringLiteral("p.ini")));
    UserColours::save(settings, {{1, 2, 3}});
    ScriptedPrompter prompter;
    prompter.expectDialog(QStringLiteral("Webfarver"), [](QDialog &shown) {
        auto &dialog = static_cast<TWebCol &>(shown);
        EXPECT_EQ(dialog.code(), QStringLiteral("#FFFFFF"));
        ColourGrid *palette = dialog.webPalette();
        const int index = palette->colours().indexOf(RgbColour{204, 0, 51});
        ASSERT_GE(index, 0);
        QTest::mouseClick(palette, Qt::LeftButton, {}, palette->cellRect(index).center());
        dialog.addToUserColours();
    });
    prompter.expectDialog(QStringLiteral("Webfarver"), nullptr, false);
    RgbColour colour;
    ASSERT_TRUE(ChooseWebColour(prompter, &settings, colour, nullptr));
    EXPECT_EQ(colour, (RgbColour{204, 0, 51}));
    EXPECT_EQ(UserColours::load(settings), (QList<RgbColour>{{1, 2, 3}, {204, 0, 51}}));
    EXPECT_FALSE(ChooseWebColour(prompter, &settings, colour, nullptr)) << "cancelled";
    EXPECT_EQ(colour, (RgbColour{204, 0, 51}));
    EXPECT_TRUE(prompter.allAnswered());
}

TEST(ColourField, TypingIsLimitedButAFilledValueIsKeptWhole)
{
    ScriptedPrompter prompter;
    TEditWebColor field(prompter, nullptr);
    QTest::keyClicks(field.lineEdit(), QStringLiteral("#ff00zz123"));
    EXPECT_EQ(field.text(), QStringLiteral("#ff00123")) << "other letters refused, eight characters at most";
    QTest::keyClick(field.lineEdit(), Qt::Key_4);
    EXPECT_EQ(field.text(), QStringLiteral("#ff00123"));

    field.setText(QStringLiteral("lightblue"));
    EXPECT_EQ(field.text(), QStringLiteral("lightblue"));
    QTest::keyClick(field.lineEdit(), Qt::Key_End);
    QTest::keyClick(field.lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(field.text(), QStringLiteral("lightblu")) << "a long value can still be shortened";

    const struct
    {
        const char *text;
        QColor colour;
    } colours[] = {
        {"red", Qt::red}, {"#00FF00", Qt::green}, {"\"#0000ff\"", Qt::blue}, {"lightblue", Qt::white}, {"#12G456", Qt::white}};
    for (const auto &[text, colour] : colours) {
        field.setText(QString::fromUtf8(text));
        EXPECT_EQ(field.buttonColour(), colour) << text;
    }
}

TEST(ColourField, TheButtonOpensTheChosenDialogAndWritesTheColourBack)
{
    ScriptedPrompter prompter;
    TEditWebColor field(prompter, nullptr);
    field.setText(QStringLiteral("red"));
    prompter.expectColour(QColor(0x12, 0xab, 0xef));
    field.button()->click();
    EXPECT_EQ(field.text(), QStringLiteral("#12ABEF"));

    field.setWebDialog(true);
    prompter.expectDialog(QStringLiteral("Webfarver"), [](QDialog &shown) {
        auto &dialog = static_cast<TWebCol &>(shown);
        EXPECT_EQ(dialog.code(), QStringLiteral("-")) << "#12ABEF is no web colour";
        dialog.pick({0, 51, 102});
    });
    field.button()->click();
    EXPECT_EQ(field.text(), QStringLiteral("#003366"));
    EXPECT_TRUE(prompter.allAnswered());
}

class FontDialogTest : public ::testing::Test
{
protected:
    FontDialogContext context(bool webFonts = false)
    {
        return {m_prompter, nullptr, webFonts, false, [](int key) { return QStringLiteral("hjælp %1").arg(key); }};
    }
    ScriptedPrompter m_prompter;
};

TEST_F(FontDialogTest, EditingKeepsSignSizeAndTheRestOfTheElement)
{
    TfrmSkrift dialog(FontDialogMode::FontElement, context());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Skrifttype"));
    EXPECT_EQ(dialog.colourField()->text(), QStringLiteral("#FFFFFF"));
    EXPECT_FALSE(dialog.insertColour()->isChecked());
    dialog.editElement(FontFieldsFromElement(QStringLiteral("Arial"), QString(), QStringLiteral("+2"),
                                             QStringLiteral(R"( class="k")"), QStringLiteral(R"( lang="da")")));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Skrifttype - redigering"));
    EXPECT_EQ(dialog.signBox()->currentText(), QStringLiteral("+"));
    EXPECT_EQ(dialog.sizeBox()->currentText(), QStringLiteral("2"));
    EXPECT_FALSE(dialog.insertColour()->isChecked());
    EXPECT_EQ(dialog.resultText(), QStringLiteral(R"(<font face="Arial" size="+2" class="k" lang="da">)"));
    EXPECT_EQ(dialog.preview()->font().pointSize(), 18);
}

TEST_F(FontDialogTest, ColourAndSizeBoxesFollowWhatIsEntered)
{
    TfrmSkrift dialog(FontDialogMode::FontElement, context());
    dialog.sizeBox()->setCurrentText(QStringLiteral("big"));
    EXPECT_EQ(dialog.sizeBox()->currentText(), QString()) << "a size that is no whole number is cleared";

    ColourGrid *sixteen = dialog.sixteenColours();
    QTest::mouseClick(sixteen, Qt::LeftButton, {}, sixteen->cellRect(9).center());
    EXPECT_EQ(dialog.colourField()->text(), QStringLiteral("#FF0000"));
    EXPECT_TRUE(dialog.insertColour()->isChecked());
    EXPECT_EQ(dialog.preview()->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_EQ(dialog.resultText(), QStringLiteral(R"(<font color="#FF0000">)"));

    dialog.insertColour()->setChecked(false);
    EXPECT_EQ(dialog.preview()->palette().color(QPalette::WindowText), QColor(Qt::black));

    EXPECT_EQ(dialog.helpLine()->helpFor(dialog.colourField()->lineEdit()),
              QStringLiteral("hjælp 462. Tast SHIFT+F8 for at skifte farvedialogboks."));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_FALSE(dialog.colourField()->webDialog());
    QTest::keyClick(dialog.colourField()->lineEdit(), Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_TRUE(dialog.colourField()->webDialog());
    QTest::keyClick(dialog.familyBox(), Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_FALSE(dialog.colourField()->webDialog());
}

TEST_F(FontDialogTest, EscapeInAnyBoxClosesTheDialog)
{
    TfrmSkrift dialog(FontDialogMode::FontElement, context());
    for (QComboBox *box : {dialog.familyBox(), dialog.sizeBox(), dialog.signBox()}) {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.QDialog::result(), QDialog::Rejected);
    }
}

TEST_F(FontDialogTest, TheFamilyBoxOffersTheWebFontsWhenAsked)
{
    TfrmSkrift dialog(FontDialogMode::FontElement, context(true));
    QStringList items;
    for (int index = 0; index < dialog.familyBox()->count(); ++index)
        items.append(dialog.familyBox()->itemText(index));
    EXPECT_EQ(items, WebFontList());
}

TEST_F(FontDialogTest, TheFamilyListIsBuiltInOrderAndOkWaitsForAChange)
{
    TfrmSkrift dialog(FontDialogMode::FamilyListWithGeneric, context());
    dialog.setFamilyList(QStringLiteral("'Ingen Sådan'"));
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    EXPECT_EQ(dialog.familyBox()->itemText(1), QStringLiteral("sans-serif"));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    dialog.familyBox()->setCurrentText(QStringLiteral("sans-serif"));
    QTest::keyClick(dialog.familyBox()->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "Enter adds to the list";
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    EXPECT_EQ(dialog.resultText(), QStringLiteral("Ingen Sådan,sans-serif")) << "a family not in the box goes bare";

    dialog.moveFont(-1);
    EXPECT_EQ(dialog.resultText(), QStringLiteral("sans-serif,Ingen Sådan"));
    EXPECT_EQ(dialog.preview()->font().family(), QStringLiteral("sans-serif"));
    if (dialog.familyBox()->count() > 5) {
        const QString installed = dialog.familyBox()->itemText(5);
        dialog.familyBox()->setCurrentText(installed);
        dialog.addFont();
        EXPECT_EQ(dialog.resultText(), QStringLiteral("sans-serif,Ingen Sådan,'%1'").arg(installed));
        dialog.removeFont();
    }
    dialog.chosenFonts()->setCurrentRow(0);
    dialog.removeFont();
    dialog.chosenFonts()->setCurrentRow(0);
    dialog.removeFont();
    EXPECT_FALSE(dialog.okButton()->isEnabled()) << "an empty list cannot be taken";
    EXPECT_EQ(dialog.resultText(), QString());
}

} // namespace
