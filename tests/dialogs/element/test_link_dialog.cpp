// The link and e-mail panels in the real window: the commands that open
// them, the files and favourites they take addresses from, and elements
// edited through them.
#include "core/OptionsModel.h"
#include "dialogs/DialogCommands.h"
#include "dialogs/element/DialogKinds.h"
#include "dialogs/element/ElementDialogCommands.h"
#include "dialogs/element/TfrmDialog.h"
#include "filepanel/ReferencePage.h"
#include "filepanel/TfrmEgenskaber.h"
#include "support/MainWindowFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {

class LinkDialogTest : public MainWindowFixture
{
protected:
    template <typename T> static T *field(QDialog &dialog, const char *name)
    {
        T *found = dialog.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Runs the command; the dialog it opens is filled by `fill` and answered with OK.
    void runDialog(const char *command, const std::function<void(QDialog &)> &fill = {})
    {
        m_prompter.expectDialog(QString(), [fill](QDialog &shown) {
            if (fill)
                fill(shown);
        });
        run(command);
        EXPECT_TRUE(m_prompter.allAnswered()) << command;
    }
    QString writeFile(const char *name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QString::fromUtf8(name));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
};

TEST_F(LinkDialogTest, CtrlShiftHWritesALinkToAFrameOfAnOpenFrameset)
{
    m_window->documentCommands().NewDocument();
    editor().SetText(QStringLiteral("<frameset cols=\"20%,*\">\n<frame name=\"menu\" src=\"m.html\">\n"
                                    "<frame name=\"hoved\" src=\"h.html\">\n</frameset>"));
    m_window->documentCommands().NewDocument();
    EXPECT_EQ(command("actHenvisning")->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+H")));
    runDialog("actHenvisning", [](QDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Henvisning"));
        ASSERT_NE(dialog.findChild<QWidget *>(QStringLiteral("panHenvisning")), nullptr);
        EXPECT_EQ(field<QLineEdit>(dialog, "edAdresse")->text(), QStringLiteral("http://"));
        auto *target = field<QComboBox>(dialog, "cbDestinationsramme");
        EXPECT_EQ(target->currentText(), QString());
        ASSERT_EQ(target->count(), 6);
        EXPECT_EQ(target->itemText(0), QStringLiteral("hoved"));
        EXPECT_EQ(target->itemText(1), QStringLiteral("menu"));
        EXPECT_FALSE(field<QPushButton>(dialog, "btnNetscape")->isEnabled());
        field<QLineEdit>(dialog, "edAdresse")->setText(QStringLiteral("http://x.dk/"));
        target->setCurrentIndex(0);
        field<QLineEdit>(dialog, "edNavn")->setText(QStringLiteral("top"));
        field<QLineEdit>(dialog, "edBeskrivelse")->setText(QStringLiteral("X"));
    });
    EXPECT_EQ(editor().GetText(), QStringLiteral("<a href=\"http://x.dk/\" target=\"hoved\" name=\"top\">X</a>"));
    EXPECT_EQ(m_window->settings().readText(QStringLiteral("Bokse"), QStringLiteral("Target"), QString()),
              QStringLiteral("hoved"));

    // The selected text is the description; an address left as it starts is none.
    editor().SetText(QStringLiteral("Klik her"));
    editor().SelectAll();
    runDialog("actHenvisning",
              [](QDialog &dialog) { EXPECT_EQ(field<QLineEdit>(dialog, "edBeskrivelse")->text(), QStringLiteral("Klik her")); });
    EXPECT_EQ(editor().GetText(), QStringLiteral("<a>Klik her</a>"));
}

TEST_F(LinkDialogTest, AddressesComeFromAChosenPageAndFromFavourites)
{
    // An unnamed page that the user does not save gets no path, and no file dialog opens.
    runDialog("actHenvisning", [this](QDialog &dialog) {
        m_prompter.expect(QStringLiteral("Du bør gemme dokumentet"), Prompter::No);
        field<QPushButton>(dialog, "btnVaelg")->click();
        EXPECT_EQ(field<QLineEdit>(dialog, "edAdresse")->text(), QStringLiteral("http://"));
    });
    EXPECT_TRUE(m_prompter.fileDialogs().isEmpty());

    const QString page = writeFile("site/side.htm", {});
    m_window->documentCommands().FilAabn(page);
    const QStringList favourites = {writeFile("fav/Nyheder.url", "[InternetShortcut]\r\nURL=http://nyheder.dk/\r\n"),
                                    writeFile("fav/Vejret.URL", "[x]\r\n[InternetShortcut]\r\nURL=http://vejr.dk/\r\n")};
    runDialog("actHenvisning", [&](QDialog &dialog) {
        m_prompter.expectFiles({m_dir.filePath(QStringLiteral("site/sider/om.html"))});
        field<QPushButton>(dialog, "btnVaelg")->click();
        EXPECT_EQ(field<QLineEdit>(dialog, "edAdresse")->text(), QStringLiteral("sider/om.html"));
        EXPECT_EQ(field<QLineEdit>(dialog, "edBeskrivelse")->text(), QStringLiteral("om.html"));

        m_prompter.expectFiles(favourites);
        field<QPushButton>(dialog, "btnExplorer")->click();
        EXPECT_EQ(field<QLineEdit>(dialog, "edAdresse")->text(), QStringLiteral("http://nyheder.dk/"));
        EXPECT_EQ(field<QLineEdit>(dialog, "edBeskrivelse")->text(), QStringLiteral("om.html"));
        field<QComboBox>(dialog, "cbDestinationsramme")->setEditText(QStringLiteral("_blank"));
    });
    ASSERT_EQ(m_prompter.fileDialogs().size(), 2);
    const Prompter::FileDialog &pageDialog = m_prompter.fileDialogs().first();
    EXPECT_EQ(pageDialog.caption, QStringLiteral("HTML-dokumenter"));
    EXPECT_EQ(pageDialog.folder, QFileInfo(page).absolutePath());
    EXPECT_EQ(pageDialog.filters.first().patterns, m_window->options().options().htmlFilter);
    const Prompter::FileDialog &favouritesDialog = m_prompter.fileDialogs().last();
    EXPECT_EQ(favouritesDialog.caption, QStringLiteral("Internet Stifinder Foretrukne"));
    EXPECT_EQ(favouritesDialog.folder, QDir::homePath());
    EXPECT_EQ(editor().GetText(),
              QStringLiteral("<a href=\"http://nyheder.dk/\" target=\"_blank\">om.html</a>\n"
                             "<a href=\"http://vejr.dk/\" target=\"_blank\">Vejret</a><br>"));
}

TEST_F(LinkDialogTest, EmailLinksStartFromTheSettingsAndEncodeSubjectAndBody)
{
    SettingsOptions options = m_window->options().options();
    options.email = QStringLiteral("mig@eksempel.dk");
    options.description = QStringLiteral("Skriv til mig");
    m_window->options().apply(options);
    EXPECT_TRUE(command("actEmail")->isEnabled());
    runDialog("actEmail", [](QDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("E-mail"));
        ASSERT_NE(dialog.findChild<QWidget *>(QStringLiteral("panEmail")), nullptr);
        EXPECT_EQ(field<QLineEdit>(dialog, "edEmail")->text(), QStringLiteral("mig@eksempel.dk"));
        EXPECT_EQ(field<QLineEdit>(dialog, "edBeskrivelse")->text(), QStringLiteral("Skriv til mig"));
        field<QLineEdit>(dialog, "edEmne")->setText(QStringLiteral("Spørgsmål & svar?"));
        field<QLineEdit>(dialog, "edTekst")->setText(QStringLiteral("100% enig"));
    });
    EXPECT_EQ(editor().GetText(),
              QStringLiteral("<a href=\"mailto:mig@eksempel.dk?subject=Spørgsmål%20%26%20svar%3F&body=100%25%20enig\">"
                             "Skriv til mig</a>"));

    editor().SetText(QStringLiteral("kontakt"));
    editor().SelectAll();
    runDialog("actEmail");
    EXPECT_EQ(editor().GetText(), QStringLiteral("<a href=\"mailto:mig@eksempel.dk\">kontakt</a>"));
}

TEST_F(LinkDialogTest, AReadOnlyDocumentGetsNoLinkAndNoTargetIsStored)
{
    editor().SetText(QStringLiteral("<p>uændret</p>"));
    editor().SetReadOnly(true);
    runDialog("actHenvisning", [](QDialog &dialog) {
        field<QLineEdit>(dialog, "edAdresse")->setText(QStringLiteral("http://x.dk/"));
        field<QComboBox>(dialog, "cbDestinationsramme")->setEditText(QStringLiteral("_top"));
    });
    runDialog("actEmail");
    EXPECT_EQ(editor().GetText(), QStringLiteral("<p>uændret</p>"));
    EXPECT_EQ(m_window->settings().readText(QStringLiteral("Bokse"), QStringLiteral("Target"), QString()), QString());
}

TEST_F(LinkDialogTest, EditedLinksComeBackUnchangedOnOk)
{
    const struct
    {
        int kind;
        const char *title;
        const char *element;
    } cases[] = {
        {DialogKind::Link, "Henvisning - redigering",
         "<a href=\"side.html\" target=\"_top\" name=\"x\" class=\"c\" onclick=\"f()\" data-x=\"1\">Tekst</a>"},
        {DialogKind::Email, "E-mail - redigering",
         "<a href=\"mailto:a@b.dk?subject=Hej%20du&body=x%26y\" id=\"m\" onclick=\"f()\" data-x=\"1\">Skriv</a>"},
    };
    ElementDialogCommands &dialogs = m_window->dialogCommands().elementDialogs();
    for (const auto &c : cases) {
        // As element editing hands over the element, which it has selected whole.
        editor().SetText(QString::fromUtf8(c.element));
        editor().SelectAll();
        ElementEdit &edit = dialogs.edit();
        edit.EditMode = true;
        edit.ElementValues[1] = QString::fromUtf8(c.element).section(u'"', 1, 1);
        if (c.kind == DialogKind::Link) {
            edit.ElementValues[2] = QStringLiteral("_top");
            edit.ElementValues[3] = QStringLiteral("x");
            edit.CommonValues.className = QStringLiteral("c");
        } else {
            edit.CommonValues.id = QStringLiteral("m");
        }
        edit.ElementValues[ElementEdit::ContentSlot] = QString::fromUtf8(c.element).section(u'>', 1, 1).section(u'<', 0, 0);
        edit.EventAttributeList = {QStringLiteral("onclick=f()")};
        edit.PreservedRemainder = QStringLiteral(" data-x=\"1\"");
        m_prompter.expectDialog(QString::fromUtf8(c.title), {});
        EXPECT_TRUE(dialogs.open(c.kind)) << c.title;
        EXPECT_EQ(editor().GetText(), QString::fromUtf8(c.element));
    }
}

// Selects the rows of the properties window's list and chooses them with OK.
std::function<void(QDialog &)> chooseRows(QList<int> rows)
{
    return [rows](QDialog &dialog) {
        auto &window = static_cast<TfrmEgenskaber &>(dialog);
        for (int row : rows)
            window.references().fullList().topLevelItem(row)->setSelected(true);
        window.findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    };
}

TEST_F(LinkDialogTest, LinksOfAnotherPageAreChosenInThePropertiesWindow)
{
    const QString other = writeFile("andre.htm",
                                    "<title>Andre</title><a href=\"a.htm\">A</a><a href=\"b.htm\">B</a>"
                                    "<map><area href=\"c.htm\" alt=\"C\"></map><img src=\"x.gif\">");
    runDialog("actHenvisning", [&](QDialog &dialog) {
        m_prompter.expectFiles({other}).expectDialog(QStringLiteral("Henvisninger i andre.htm"), chooseRows({2, 0, 1}));
        field<QPushButton>(dialog, "btnWebsider")->click();
        EXPECT_EQ(field<QLineEdit>(dialog, "edAdresse")->text(), QStringLiteral("a.htm"));
        EXPECT_EQ(field<QLineEdit>(dialog, "edBeskrivelse")->text(), QStringLiteral("A"));
    });
    EXPECT_EQ(editor().GetText(),
              QStringLiteral("<a href=\"a.htm\">A</a>\n<a href=\"b.htm\">B</a><br>\n<a href=\"c.htm\">C</a><br>"));
}

TEST_F(LinkDialogTest, AnInternalTargetIsChosenAfterTheDocumentIsSaved)
{
    const QString page = writeFile("side.htm", {});
    m_window->documentCommands().FilAabn(page);
    // The marker keeps the save from asking about an update date.
    editor().SetText(QStringLiteral("<!-- Minus AutoDato -->\n<a name=\"top\"></a><a name=\"bund\"></a>"));
    editor().SetSelection(selection(2, 0, 2, 0));
    runDialog("actHenvisning", [&](QDialog &dialog) {
        m_prompter.expect(QStringLiteral("Pagewick gemmer det aktive dokument."))
            .expectDialog(QStringLiteral("Interne mål i side.htm"), chooseRows({1}));
        field<QLineEdit>(dialog, "edBeskrivelse")->setText(QStringLiteral("Ned"));
        field<QPushButton>(dialog, "btnMaal")->click();
        EXPECT_EQ(m_prompter.seen().first().caption, QStringLiteral("Internt mål"));
        EXPECT_FALSE(editor().IsModified());
        EXPECT_EQ(field<QLineEdit>(dialog, "edAdresse")->text(), QStringLiteral("#bund"));
        EXPECT_EQ(field<QLineEdit>(dialog, "edBeskrivelse")->text(), QStringLiteral("Ned"));
    });
    EXPECT_EQ(editor().GetLine(2), QStringLiteral("<a href=\"#bund\">Ned</a><a name=\"top\"></a><a name=\"bund\"></a>"));

    // Cancelling the save question lists nothing.
    editor().SetText(QStringLiteral("<a name=\"x\"></a>"));
    runDialog("actHenvisning", [&](QDialog &dialog) {
        m_prompter.expect(QStringLiteral("gemmer det aktive dokument"), Prompter::Cancel);
        field<QPushButton>(dialog, "btnMaal")->click();
        EXPECT_EQ(field<QLineEdit>(dialog, "edAdresse")->text(), QStringLiteral("http://"));
    });
}

} // namespace
