// The font and colour commands in a real main window, their dialogs answered
// through the prompt seam.
#include "dialogs/colour/ColourGrid.h"
#include "dialogs/colour/TEditWebColor.h"
#include "dialogs/colour/TWebCol.h"
#include "dialogs/colour/TfrmSkrift.h"
#include "support/MainWindowFixture.h"

#include <QColorDialog>
#include <QComboBox>

namespace {

const QString UserColorsSection = QStringLiteral("UserColors");

class DialogCommandsTest : public MainWindowFixture
{
protected:
    void answerFontDialog()
    {
        m_prompter.expectDialog(QStringLiteral("Skrifttype"), [](QDialog &shown) {
            auto &dialog = static_cast<TfrmSkrift &>(shown);
            dialog.familyBox()->setCurrentText(QStringLiteral("Verdana"));
            dialog.signBox()->setCurrentText(QStringLiteral("+"));
            dialog.sizeBox()->setCurrentText(QStringLiteral("3"));
            ColourGrid *sixteen = dialog.sixteenColours();
            QTest::mouseClick(sixteen, Qt::LeftButton, {}, sixteen->cellRect(9).center()); // red
        });
    }
    void answerWebColourDialog()
    {
        m_prompter.expectDialog(QStringLiteral("Webfarver"), [](QDialog &shown) {
            auto &dialog = static_cast<TWebCol &>(shown);
            dialog.pick({51, 102, 255});
            dialog.addToUserColours();
        });
    }
};

TEST_F(DialogCommandsTest, FontWrapsTheSelectionInTheBuiltElement)
{
    for (const char *id : {"actSkrifttype", "actSkrifttypeKnap"}) {
        editor().SetText(QStringLiteral("a x b"));
        editor().SetSelection(selection(1, 2, 1, 3));
        answerFontDialog();
        run(id);
        EXPECT_EQ(editor().GetText(), QStringLiteral(R"(a <font face="Verdana" size="+3" color="#FF0000">x</font> b)")) << id;
    }
    m_prompter.expectDialog(QStringLiteral("Skrifttype"), nullptr, false);
    run("actSkrifttype");
    EXPECT_EQ(editor().GetText(), QStringLiteral(R"(a <font face="Verdana" size="+3" color="#FF0000">x</font> b)"))
        << "cancelled: nothing written";
}

TEST_F(DialogCommandsTest, ColourCommandsInsertTheCodeAndKeepTheUserColours)
{
    answerWebColourDialog();
    run("actWebfarve");
    EXPECT_EQ(editor().GetText(), QStringLiteral("#3366FF"));
    EXPECT_EQ(settings().readText(UserColorsSection, QStringLiteral("Color0"), QString()), QStringLiteral("#3366FF"));

    editor().SetText(QString());
    m_prompter.expectColour(QColor(0x12, 0xab, 0xef));
    run("actSystemfarve");
    EXPECT_EQ(editor().GetText(), QStringLiteral("#12ABEF"));
    EXPECT_EQ(QColorDialog::customColor(0), QColor(0x33, 0x66, 0xff)) << "the system dialog offers the kept colours";
    EXPECT_EQ(settings().readSection(UserColorsSection).size(), QColorDialog::customCount());
}

TEST_F(DialogCommandsTest, AReadOnlyDocumentIsLeftAsItIsAndNothingIsKept)
{
    const QString text = QStringLiteral("a x b");
    editor().SetText(text);
    editor().SetSelection(selection(1, 2, 1, 3));
    editor().SetReadOnly(true);
    answerFontDialog();
    run("actSkrifttype");
    answerWebColourDialog();
    run("actWebfarve");
    m_prompter.expectColour(QColor(Qt::red));
    run("actSystemfarve");
    EXPECT_EQ(editor().GetText(), text);
    EXPECT_TRUE(settings().readSection(UserColorsSection).isEmpty());
    editor().SetReadOnly(false);
}

} // namespace
