// The element dialog in the real window: the entries that open it, what OK
// writes, and what a read-only document keeps.
#include "dialogs/DialogCommands.h"
#include "workbench/HelpLine.h"
#include "dialogs/colour/TEditWebColor.h"
#include "dialogs/element/DialogKinds.h"
#include "dialogs/element/ElementDialogCommands.h"
#include "dialogs/element/ElementPanels.h"
#include "dialogs/element/TfrmDialog.h"
#include "support/MainWindowFixture.h"

#include "core/OptionsModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSpinBox>
#include <QToolBar>

namespace {

class ElementDialogTest : public MainWindowFixture
{
protected:
    TLEdit &editor() { return *m_window->ActiveEditor(); }
    template <typename T> static T *field(TfrmDialog &dialog, const char *name)
    {
        T *found = dialog.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Runs the command; the dialog it opens is filled by `fill` and answered with OK.
    void runDialog(const char *command, const std::function<void(TfrmDialog &)> &fill = {})
    {
        m_prompter.expectDialog(QString(), [fill](QDialog &shown) {
            auto *dialog = qobject_cast<TfrmDialog *>(&shown);
            ASSERT_NE(dialog, nullptr);
            if (fill)
                fill(*dialog);
        });
        m_window->command(QString::fromLatin1(command))->trigger();
        EXPECT_TRUE(m_prompter.allAnswered()) << command;
    }
    void setXhtml(bool on)
    {
        SettingsOptions options = m_window->options().options();
        options.xhtml = on;
        m_window->options().apply(options);
    }
};

TEST_F(ElementDialogTest, HorizontalLinesFromTheDefaultsAndFromTheFields)
{
    runDialog("actLinie", [](TfrmDialog &dialog) { EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Vandret linie")); });
    EXPECT_EQ(editor().GetText(), QStringLiteral("<hr>"));

    editor().SetText(QString());
    setXhtml(true);
    runDialog("actLinie");
    EXPECT_EQ(editor().GetText(), QStringLiteral("<hr />"));

    editor().SetText(QString());
    setXhtml(false);
    runDialog("actLinie", [](TfrmDialog &dialog) {
        field<QSpinBox>(dialog, "seLaengde")->setValue(50);
        field<QSpinBox>(dialog, "seTykkelse")->setValue(4);
        field<QRadioButton>(dialog, "rbJustering1")->setChecked(true);
        field<QCheckBox>(dialog, "cb3D")->setChecked(false);
    });
    EXPECT_EQ(editor().GetText(), QStringLiteral("<hr SIZE=\"4\" align=\"left\" width=\"50%\" noshade=\"noshade\">"));
}

TEST_F(ElementDialogTest, ThePageSkeletonOnAnEmptyUtf8PageLeavesTheCaretInTheBody)
{
    runDialog("actBasiskoder", [](TfrmDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Basiskoder"));
        field<QLineEdit>(dialog, "edTitel")->setText(QStringLiteral("Min side"));
        // The colour fields tell of Shift+F8, which switches all of them to the other colour dialog.
        const QList<TEditWebColor *> colours = dialog.findChildren<TEditWebColor *>();
        ASSERT_EQ(colours.size(), 5);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(colours[0]->lineEdit(), &enter);
        EXPECT_TRUE(dialog.helpLine().text().endsWith(QStringLiteral(". Tast SHIFT+F8 for at skifte farvedialogboks.")));
        const bool web = colours[0]->webDialog();
        Q_EMIT dialog.findChild<QShortcut *>()->activated();
        for (const TEditWebColor *colour : colours)
            EXPECT_EQ(colour->webDialog(), !web);
    });
    const QString text = editor().GetText();
    EXPECT_EQ(text,
              QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n\t<meta charset=\"utf-8\">\n\t<title>Min side</title>\n</head>\n"
                             "<body>\n\n\n\n</body>\n</html>"));
    EXPECT_EQ(editor().GetSelection(), SelectionRecord::at({8, 0}));
}

TEST_F(ElementDialogTest, TheStylesheetIsChosenAsAPathRelativeToTheSavedPage)
{
    // An unnamed page that the user does not save gets no path, and no file dialog opens.
    m_prompter.expectDialog(
        QString(),
        [this](QDialog &shown) {
            m_prompter.expect(QStringLiteral("Du bør gemme dokumentet"), Prompter::No);
            shown.findChild<QPushButton *>(QStringLiteral("btnTypografiark"))->click();
            EXPECT_TRUE(shown.findChild<QLineEdit *>(QStringLiteral("edTypografiark"))->text().isEmpty());
        },
        false);
    m_window->command(QStringLiteral("actBasiskoder"))->trigger();
    EXPECT_TRUE(m_prompter.fileDialogs().isEmpty());

    const QString page = m_dir.filePath(QStringLiteral("site/side.htm"));
    QDir().mkpath(m_dir.filePath(QStringLiteral("site/css")));
    QFile(page).open(QIODevice::WriteOnly);
    m_window->documentCommands().FilAabn(page);
    m_prompter.expectDialog(QString(), [this](QDialog &shown) {
        m_prompter.expectFiles({m_dir.filePath(QStringLiteral("site/css/stil.css"))});
        shown.findChild<QPushButton *>(QStringLiteral("btnTypografiark"))->click();
        EXPECT_EQ(shown.findChild<QLineEdit *>(QStringLiteral("edTypografiark"))->text(), QStringLiteral("css/stil.css"));
    });
    m_window->command(QStringLiteral("actBasiskoder"))->trigger();
    EXPECT_TRUE(m_prompter.allAnswered());
    ASSERT_FALSE(m_prompter.fileDialogs().isEmpty());
    EXPECT_EQ(m_prompter.fileDialogs().last().caption, QStringLiteral("Typografiark"));
    EXPECT_TRUE(editor().GetText().contains(QStringLiteral("css/stil.css")));
}

TEST_F(ElementDialogTest, ListsTitlesAndAlignmentsAreWritten)
{
    editor().SetText(QStringLiteral("en\nto\ntre"));
    editor().SelectAll();
    runDialog("actPunktopstilling", [](TfrmDialog &dialog) {
        field<QRadioButton>(dialog, "rbTal")->click();
        field<QComboBox>(dialog, "cbType")->setCurrentIndex(4);
    });
    EXPECT_EQ(editor().GetText(), QStringLiteral("<ol type=\"a\">\n\t<li>en</li>\n\t<li>to</li>\n\t<li>tre</li>\n</ol>"));

    editor().SetText(QStringLiteral("ord"));
    editor().SelectAll();
    runDialog("actBlok", [](TfrmDialog &dialog) { field<QComboBox>(dialog, "cbJustering")->setCurrentIndex(2); });
    EXPECT_EQ(editor().GetText(), QStringLiteral("<div align=\"center\">ord</div>"));

    editor().SetText(QStringLiteral("<html>\n<head>\n</head>\n<body>\n</body>\n</html>"));
    // The editor toolbar's "Rediger titel" opens the same panel as "Titel...".
    auto *editTitle = m_window->documentArea().editorToolBar()->findChild<QAction *>(QStringLiteral("btnRedigerTitel"));
    ASSERT_NE(editTitle, nullptr);
    EXPECT_TRUE(editTitle->isEnabled());
    m_prompter.expectDialog(QStringLiteral("Titel"), [](QDialog &dialog) {
        dialog.findChild<QLineEdit *>(QStringLiteral("edTitel"))->setText(QStringLiteral("Forside"));
    });
    editTitle->trigger();
    EXPECT_TRUE(m_prompter.allAnswered());
    EXPECT_TRUE(editor().GetText().contains(QStringLiteral("<head>\n\t<title>Forside</title>\n</head>")))
        << editor().GetText().toStdString();
    EXPECT_EQ(m_window->documentArea().captionAt(0), QStringLiteral("Forside"));
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Brindle's Pagewick 4 - Forside"));
}

TEST_F(ElementDialogTest, CellsRowsFramesetsAndTheNoFramesText)
{
    ElementDialogCommands &dialogs = m_window->dialogCommands().elementDialogs();
    const auto open = [&](int kind, const std::function<void(TfrmDialog &)> &fill) {
        editor().SetText(QString());
        m_prompter.expectDialog(QString(), [fill](QDialog &shown) { fill(*qobject_cast<TfrmDialog *>(&shown)); });
        EXPECT_TRUE(dialogs.open(kind));
        return editor().GetText();
    };
    EXPECT_EQ(open(DialogKind::TableCell, [](TfrmDialog &) {}), QStringLiteral("<td>"));
    EXPECT_EQ(open(DialogKind::TableCell,
                   [](TfrmDialog &dialog) {
                       field<QSpinBox>(dialog, "seKolonner")->setValue(2);
                       field<QSpinBox>(dialog, "cbBreddeVaerdi")->setValue(40); // ticks its box
                       field<TEditWebColor>(dialog, "edFarve")->setText(QStringLiteral("#FFCC00"));
                   }),
              QStringLiteral("<td colspan=\"2\" width=\"40%\" bgcolor=\"#FFCC00\">"));
    EXPECT_EQ(open(DialogKind::TableRow,
                   [](TfrmDialog &dialog) {
                       EXPECT_EQ(dialog.findChild<QSpinBox *>(QStringLiteral("seRaekker")), nullptr);
                       field<QComboBox>(dialog, "cbLodret")->setCurrentIndex(0);
                       field<QComboBox>(dialog, "cbVandret")->setCurrentIndex(1);
                   }),
              QStringLiteral("<tr valign=\"top\" align=\"center\">"));
    EXPECT_EQ(open(DialogKind::Frameset,
                   [](TfrmDialog &dialog) {
                       field<QLineEdit>(dialog, "edRaekker")->setText(QStringLiteral("100,*"));
                       field<QCheckBox>(dialog, "cbKant")->setChecked(false);
                   }),
              QStringLiteral("<frameset frameborder=\"0\" border=\"0\" framespacing=\"0\" rows=\"100,*\">"));

    dialogs.noFramesText() = QStringLiteral("før");
    EXPECT_EQ(open(DialogKind::NoFrames,
                   [](TfrmDialog &dialog) {
                       auto *text = dialog.findChild<QPlainTextEdit *>(QStringLiteral("mmTekst"));
                       ASSERT_NE(text, nullptr);
                       EXPECT_EQ(text->toPlainText(), QStringLiteral("før"));
                       text->setPlainText(QStringLiteral("Din browser viser ikke rammer."));
                   }),
              QString());
    EXPECT_EQ(dialogs.noFramesText(), QStringLiteral("Din browser viser ikke rammer."));
}

TEST_F(ElementDialogTest, AReadOnlyDocumentIsLeftAsItIsAndNothingIsStored)
{
    const QString page = QStringLiteral("<p>uændret</p>");
    editor().SetText(page);
    editor().SetReadOnly(true);
    for (const char *command : {"actLinie", "actBasiskoder", "actPunktopstilling", "actOrd", "actBlok", "actTitel"}) {
        runDialog(command, [](TfrmDialog &dialog) {
            if (auto *className = dialog.findChild<QComboBox *>(QStringLiteral("cbKlasse")))
                className->setEditText(QStringLiteral("ny-klasse"));
        });
        EXPECT_EQ(editor().GetText(), page) << command;
    }
    EXPECT_TRUE(m_window->settings().readSection(QStringLiteral("Klasser")).isEmpty());
    EXPECT_EQ(m_window->settings().readInt(QStringLiteral("Dialog"), QStringLiteral("DocType"), -1), -1);
}

TEST_F(ElementDialogTest, TheEditValuesAreClearedHoweverTheDialogEnds)
{
    ElementEdit &edit = m_window->dialogCommands().elementDialogs().edit();
    edit.EditMode = true;
    edit.ElementValues[1] = QStringLiteral("center");
    edit.PreservedRemainder = QStringLiteral(" x=\"y\"");
    m_prompter.expectDialog(QStringLiteral("Blokformatering"), {}, false);
    EXPECT_FALSE(m_window->dialogCommands().elementDialogs().open(DialogKind::Block));
    EXPECT_FALSE(edit.EditMode);
    EXPECT_TRUE(edit.ElementValues[1].isEmpty());
    EXPECT_TRUE(edit.PreservedRemainder.isEmpty());
}

} // namespace
