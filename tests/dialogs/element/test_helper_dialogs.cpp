// The element dialog's panels for other parts of the program, in the real
// window: the settings dialog's browsers, user codes, the password prompt
// and a script's window.open call. None writes into the document.
#include "dialogs/DialogCommands.h"
#include "workbench/HelpLine.h"
#include "dialogs/element/CommonPanel.h"
#include "dialogs/element/ElementDialogCommands.h"
#include "dialogs/element/ElementPanel.h"
#include "dialogs/element/HelperDialogs.h"
#include "dialogs/element/TfrmDialog.h"
#include "dialogs/settings/TfrmIndstil.h"
#include "filepanel/ReferencePage.h"
#include "filepanel/TfrmEgenskaber.h"
#include "support/MainWindowFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTreeWidget>

namespace {

class HelperDialogTest : public MainWindowFixture
{
protected:
    const TfrmDialog::Services &services() const { return m_window->dialogCommands().elementDialogs().services(); }

    template <typename T> static T *field(QWidget &parent, const char *name)
    {
        T *found = parent.findChild<T *>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The next element dialog, which must have this exact title and no
    // common panel; `fill` works its panel, and it ends with OK or Annuller.
    void expectPanel(const QString &title, const std::function<void(TfrmDialog &)> &fill, bool accept = true)
    {
        m_prompter.expectDialog(
            title,
            [title, fill](QDialog &shown) {
                auto *dialog = qobject_cast<TfrmDialog *>(&shown);
                ASSERT_NE(dialog, nullptr);
                EXPECT_EQ(dialog->windowTitle(), title);
                EXPECT_EQ(dialog->findChild<CommonPanel *>(), nullptr);
                if (fill)
                    fill(*dialog);
            },
            accept);
    }
    static QString okHelp(TfrmDialog &dialog) { return dialog.helpLine().helpFor(field<QPushButton>(dialog, "btnOK")); }

    TfrmIndstil &settingsDialog() { return *m_window->settingsDialog(); }
    QListWidget &browsers() { return *field<QListWidget>(settingsDialog(), "Browsere"); }
    QList<BrowserEntry> listedBrowsers()
    {
        QList<BrowserEntry> listed;
        for (int row = 0; row < browsers().count(); ++row)
            listed.append({browsers().item(row)->text(), browsers().item(row)->data(Qt::UserRole).toString()});
        return listed;
    }
};

TEST_F(HelperDialogTest, TheSettingsDialogsBrowserButtonsOpenTheBrowserPanel)
{
    QCheckBox *menu = field<QCheckBox>(settingsDialog(), "VisMenu");
    EXPECT_FALSE(menu->isEnabled());

    expectPanel(QStringLiteral("Browser - rediger"), [](TfrmDialog &dialog) {
        EXPECT_EQ(dialog.panel().objectName(), QStringLiteral("panBrowser"));
        field<QLineEdit>(dialog, "edNavn")->setText(QStringLiteral("Firefox"));
        field<QPushButton>(dialog, "btnVaelg")->click();
    });
    m_prompter.expectFiles({QStringLiteral("/usr/bin/firefox")});
    field<QPushButton>(settingsDialog(), "Tilføj")->click();
    EXPECT_EQ(m_prompter.fileDialogs().value(0).caption, QStringLiteral("Find Web-browser"));
    EXPECT_EQ(listedBrowsers(), (QList<BrowserEntry>{{QStringLiteral("Firefox"), QStringLiteral("/usr/bin/firefox")}}));
    EXPECT_FALSE(menu->isEnabled()) << "one browser needs no menu";

    // Annuller adds nothing.
    expectPanel(QStringLiteral("Browser - rediger"), {}, false);
    field<QPushButton>(settingsDialog(), "Tilføj")->click();
    EXPECT_EQ(browsers().count(), 1);

    expectPanel(QStringLiteral("Browser - rediger"), [](TfrmDialog &dialog) {
        field<QLineEdit>(dialog, "edNavn")->setText(QStringLiteral("Chromium"));
        field<QLineEdit>(dialog, "edSti")->setText(QStringLiteral("/usr/bin/chromium"));
    });
    field<QPushButton>(settingsDialog(), "Tilføj")->click();
    EXPECT_TRUE(menu->isEnabled());

    browsers().setCurrentRow(0);
    expectPanel(QStringLiteral("Browser - rediger - redigering"), [](TfrmDialog &dialog) {
        EXPECT_EQ(field<QLineEdit>(dialog, "edSti")->text(), QStringLiteral("/usr/bin/firefox"));
        QLineEdit *name = field<QLineEdit>(dialog, "edNavn");
        EXPECT_EQ(name->text(), QStringLiteral("Firefox"));
        name->setText(QStringLiteral("Firefox ESR"));
    });
    field<QPushButton>(settingsDialog(), "Rediger")->click();
    const QList<BrowserEntry> expected{{QStringLiteral("Firefox ESR"), QStringLiteral("/usr/bin/firefox")},
                                       {QStringLiteral("Chromium"), QStringLiteral("/usr/bin/chromium")}};
    EXPECT_EQ(listedBrowsers(), expected);
}

TEST_F(HelperDialogTest, TheBrowserPanelStaysOpenWithoutBothNameAndPath)
{
    m_prompter.expectDialog(QStringLiteral("Browser - rediger"), [](QDialog &dialog) {
        QPushButton *ok = field<QPushButton>(dialog, "btnOK");
        field<QLineEdit>(dialog, "edNavn")->setText(QStringLiteral("Firefox"));
        ok->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << "refused without a path";
        field<QLineEdit>(dialog, "edNavn")->setText(QStringLiteral("  "));
        field<QLineEdit>(dialog, "edSti")->setText(QStringLiteral("/usr/bin/firefox"));
        ok->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected) << "refused with a blank name";
        field<QLineEdit>(dialog, "edNavn")->setText(QStringLiteral("Firefox"));
        ok->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    for (int warning = 0; warning < 2; ++warning)
        m_prompter.expect(QStringLiteral("Brindle's Pagewick | Du skal angive både stien til browseren og et navn."));
    EXPECT_EQ(editBrowserEntry(services(), {}), (BrowserEntry{QStringLiteral("Firefox"), QStringLiteral("/usr/bin/firefox")}));
}

TEST_F(HelperDialogTest, KnownBrowsersAreLookedForOnTheSearchPath)
{
    const QString folder = m_dir.filePath(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile program(folder + QStringLiteral("/netscape"));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.close();
    program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", folder.toLocal8Bit());

    expectPanel(
        QStringLiteral("Browser - rediger - redigering"),
        [&](TfrmDialog &dialog) {
            QLineEdit *name = field<QLineEdit>(dialog, "edNavn");
            QLineEdit *location = field<QLineEdit>(dialog, "edSti");
            field<QPushButton>(dialog, "btnNetscape")->click();
            EXPECT_EQ(name->text(), QStringLiteral("Netscape"));
            EXPECT_EQ(location->text(), program.fileName());
            // A browser not found leaves no other browser's program beside its name.
            field<QPushButton>(dialog, "btnExplorer")->click();
            EXPECT_EQ(name->text(), QStringLiteral("Internet Explorer"));
            EXPECT_EQ(location->text(), QString());
        },
        false);
    m_prompter.expect(QStringLiteral("Pagewick kan ikke finde iexplore"));
    EXPECT_EQ(editBrowserEntry(services(), {QStringLiteral("Gammel"), QStringLiteral("/opt/gammel")}), std::nullopt);
    qputenv("PATH", path);
}

TEST_F(HelperDialogTest, TheUserCodePanelStoresANewCodeAndAnEditedOne)
{
    UserCodes::write(settings(), 1, {QStringLiteral("Fed"), QStringLiteral("<b>"), QStringLiteral("</b>")});
    settings().writeText(QStringLiteral("Koder"), QStringLiteral("Kode2b"), QStringLiteral("<i>"));
    // The codes are the user's, not the document's: a read-only page does not stop them.
    editor().SetReadOnly(true);

    const UserCode added{QStringLiteral("Understreget"), QStringLiteral("<u>"), QStringLiteral("</u>")};
    expectPanel(QStringLiteral("Rediger HTML-kode"), [&added](TfrmDialog &dialog) {
        EXPECT_EQ(dialog.panel().objectName(), QStringLiteral("panBrugerKode"));
        EXPECT_EQ(okHelp(dialog), QStringLiteral("Tilføjer brugerkoden."));
        field<QLineEdit>(dialog, "edBeskrivelse")->setText(added.description);
        field<QLineEdit>(dialog, "edStartkode")->setText(added.startCode);
        field<QLineEdit>(dialog, "edSlutkode")->setText(added.endCode);
    });
    EXPECT_EQ(editUserCode(services(), std::nullopt, {}), added);
    EXPECT_EQ(UserCodes::read(settings(), 3), added);
    EXPECT_EQ(UserCodes::read(settings(), 2).startCode, QStringLiteral("<i>"));

    expectPanel(QStringLiteral("Rediger HTML-kode - redigering"), [](TfrmDialog &dialog) {
        EXPECT_EQ(okHelp(dialog), QStringLiteral("Retter brugerkoden."));
        EXPECT_EQ(field<QLineEdit>(dialog, "edBeskrivelse")->text(), QStringLiteral("Fed"));
        EXPECT_EQ(field<QLineEdit>(dialog, "edSlutkode")->text(), QStringLiteral("</b>"));
        field<QLineEdit>(dialog, "edStartkode")->setText(QStringLiteral("<strong>"));
    });
    editUserCode(services(), 0, UserCodes::read(settings(), 1));
    EXPECT_EQ(UserCodes::read(settings(), 1),
              (UserCode{QStringLiteral("Fed"), QStringLiteral("<strong>"), QStringLiteral("</b>")}));

    expectPanel(
        QStringLiteral("Rediger HTML-kode - redigering"),
        [](TfrmDialog &dialog) { field<QLineEdit>(dialog, "edStartkode")->setText(QStringLiteral("<x>")); }, false);
    EXPECT_EQ(editUserCode(services(), 0, UserCodes::read(settings(), 1)), std::nullopt);
    EXPECT_EQ(UserCodes::read(settings(), 1).startCode, QStringLiteral("<strong>"));
}

TEST_F(HelperDialogTest, ThePasswordPromptReturnsWhatWasTyped)
{
    editor().SetText(QStringLiteral("<p>"));
    expectPanel(QStringLiteral("Adgangskode"), [](TfrmDialog &dialog) {
        EXPECT_EQ(dialog.panel().objectName(), QStringLiteral("panKode"));
        EXPECT_TRUE(dialog.helpLine().isHidden());
        QLineEdit *password = field<QLineEdit>(dialog, "edKode");
        EXPECT_EQ(password->echoMode(), QLineEdit::Password);
        EXPECT_EQ(password->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, password), int(u'*'));
        QTest::keyClicks(password, QStringLiteral("hem melig"));
    });
    EXPECT_EQ(askPassword(services()), QStringLiteral("hem melig"));

    expectPanel(
        QStringLiteral("Adgangskode"),
        [](TfrmDialog &dialog) { field<QLineEdit>(dialog, "edKode")->setText(QStringLiteral("x")); }, false);
    EXPECT_EQ(askPassword(services()), std::nullopt);
    EXPECT_EQ(editor().GetText(), QStringLiteral("<p>"));
}

TEST_F(HelperDialogTest, TheBrowserWindowPanelBuildsTheCallForItsCaller)
{
    editor().SetText(QStringLiteral("<p>"));
    const QString links = m_dir.filePath(QStringLiteral("links.htm"));
    QFile file(links);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<a href=\"forside.htm\">Forside</a><a href=\"side.htm\">Side</a>");
    file.close();
    expectPanel(QStringLiteral("Browservindue"), [this, links](TfrmDialog &dialog) {
        EXPECT_EQ(dialog.panel().objectName(), QStringLiteral("panBrowservindue"));
        QLineEdit *address = field<QLineEdit>(dialog, "edAdresse");
        EXPECT_EQ(address->text(), QStringLiteral("http://"));
        // The address is picked among the links of a page.
        m_prompter.expectFiles({links}).expectDialog(QStringLiteral("Henvisninger i links.htm"), [](QDialog &shown) {
            auto &window = static_cast<TfrmEgenskaber &>(shown);
            window.references().fullList().topLevelItem(1)->setSelected(true);
            window.findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
        });
        field<QPushButton>(dialog, "btnWebsider")->click();
        EXPECT_EQ(address->text(), QStringLiteral("side.htm"));
        field<QLineEdit>(dialog, "edNavn")->setText(QStringLiteral("info"));
        QListWidget *features = field<QListWidget>(dialog, "clIndstillinger");
        ASSERT_EQ(features->count(), 9);
        EXPECT_EQ(features->item(5)->text(), QStringLiteral("Regulérbar størrelse=resizable"));
        features->item(0)->setCheckState(Qt::Checked);
        features->item(5)->setCheckState(Qt::Checked);
        QCheckBox *size = field<QCheckBox>(dialog, "cbStoerrelse");
        QCheckBox *place = field<QCheckBox>(dialog, "cbPlacering");
        EXPECT_FALSE(size->isChecked());
        field<QSpinBox>(dialog, "seBredde")->setValue(300);
        EXPECT_TRUE(size->isChecked()) << "a size typed in ticks its box";
        EXPECT_FALSE(place->isChecked());
        for (const char *unavailable : {"btnExplorer", "btnNetscape"})
            EXPECT_FALSE(field<QPushButton>(dialog, unavailable)->isEnabled()) << unavailable;
    });
    EXPECT_EQ(askWindowOpenCall(services()),
              QStringLiteral("window.open('side.htm', 'info', 'location,resizable,innerWidth=300,innerHeight=0');"));
    EXPECT_EQ(editor().GetText(), QStringLiteral("<p>"));
}

} // namespace
