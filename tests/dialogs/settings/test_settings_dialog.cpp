#include "core/SettingsKeys.h"
#include "core/SettingsStore.h"
#include "workbench/HelpLine.h"
#include "dialogs/settings/SyntaxColourBox.h"
#include "dialogs/settings/TfrmIndstil.h"
#include "editor/DocumentEditorSetup.h"
#include "editor/TLEdit.h"
#include "support/ScriptedPrompter.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

class SettingsDialogTest : public ::testing::Test
{
protected:
    void SetUp() override { m_store = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("s.ini"))); }

    Shortcuts::Places places() const
    {
        return {m_dir.filePath(QStringLiteral("desktop")), m_dir.filePath(QStringLiteral("apps")), QStringLiteral("/p")};
    }
    std::unique_ptr<TfrmIndstil> open()
    {
        m_options = std::make_unique<OptionsModel>(*m_store, settingsDefaults(m_dir.path()));
        auto dialog = std::make_unique<TfrmIndstil>(*m_options, m_prompter, nullptr, places());
        dialog->show();
        return dialog;
    }
    void storeBrowsers(int count)
    {
        for (int i = 1; i <= count; ++i) {
            m_store->writeText(Keys::Indstillinger, QStringLiteral("Browser%1").arg(i), QStringLiteral("B%1").arg(i));
            m_store->writeText(Keys::Indstillinger, QStringLiteral("Browsersti%1").arg(i), QStringLiteral("/b%1").arg(i));
        }
    }
    template <typename T> static T *control(const TfrmIndstil &dialog, const char *name)
    {
        T *found = dialog.findChild<T *>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QCheckBox *check(const TfrmIndstil &dialog, const char *name) { return control<QCheckBox>(dialog, name); }
    static QPushButton *button(const TfrmIndstil &dialog, const char *name) { return control<QPushButton>(dialog, name); }

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<OptionsModel> m_options;
    ScriptedPrompter m_prompter;
};

TEST_F(SettingsDialogTest, OpensOnTheFirstPageWithTheSampleAndApplyDisabled)
{
    auto dialog = open();
    EXPECT_EQ(dialog->findChild<QTabWidget *>()->currentIndex(), TfrmIndstil::TextEditorPage);
    EXPECT_EQ(dialog->sampleEditor()->GetText(),
              QStringLiteral("<FONT SIZE=\"5\" FACE=\"Verdana,Arial\">Noget almindelig tekst</FONT>\r\n"
                             "<!-- \"En kommentar\"--><% Next %><?php echo(\"php\\n\"); ?>"));
    EXPECT_FALSE(button(*dialog, "Anvend")->isEnabled());
    EXPECT_EQ(dialog->helpLine()->text(), HelpLine::InitialText);

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(control<QSpinBox>(*dialog, "Tabulator"), &enter);
    EXPECT_EQ(dialog->helpLine()->text(), QStringLiteral("Sætter, hvor mange tegn tabulatoren rykker pr. gang."));
    dialog->helpLine()->reset();
    for (QLabel *label : dialog->findChildren<QLabel *>()) {
        if (label->buddy() == control<QSpinBox>(*dialog, "Tabulator"))
            QApplication::sendEvent(label, &enter);
    }
    EXPECT_EQ(dialog->helpLine()->text(), QStringLiteral("Sætter, hvor mange tegn tabulatoren rykker pr. gang."))
        << "the description shows its control's help";

    // The generator's help shows the element it writes.
    QEvent focus(QEvent::FocusIn);
    QCheckBox *xhtml = nullptr;
    for (QCheckBox *box : dialog->findChildren<QCheckBox *>()) {
        if (box->text() == QStringLiteral("Anvend &XHTML-standard"))
            xhtml = box;
    }
    ASSERT_NE(xhtml, nullptr);
    xhtml->click();
    for (QCheckBox *box : dialog->findChildren<QCheckBox *>()) {
        if (box->text() == QStringLiteral("Generator-&META-element "))
            QApplication::sendEvent(box, &focus);
    }
    EXPECT_EQ(dialog->helpLine()->text(),
              QStringLiteral("Indsætter META-elementet <meta name=\"Generator\" content=\"Brindle's Pagewick 4\" />"));
}

TEST_F(SettingsDialogTest, HelpTextsAndCaptionsAreShownAsWritten)
{
    auto dialog = open();
    dialog->resize(900, 700);
    const auto checkBox = [&](const QString &caption) -> QWidget * {
        for (QCheckBox *box : dialog->findChildren<QCheckBox *>()) {
            if (box->text() == caption)
                return box;
        }
        return nullptr;
    };
    const struct
    {
        QWidget *control;
        QString help;
    } helps[] = {
        {control<QSpinBox>(*dialog, "Tabulator"), QStringLiteral("Sætter, hvor mange tegn tabulatoren rykker pr. gang.")},
        {control<QSlider>(*dialog, "Forsinkelse"),
         QStringLiteral("Bestemmer, hvor længe der går, fra kodefærdiggørelseslisten aktiveres og til den vises.")},
        {checkBox(QStringLiteral("Generator-&META-element ")),
         QStringLiteral("Indsætter META-elementet <meta name=\"Generator\" content=\"Brindle's Pagewick 4\">")},
    };
    HelpLine &line = *dialog->helpLine();
    for (const auto &h : helps) {
        ASSERT_NE(h.control, nullptr) << h.help.toStdString();
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(h.control, &enter);
        EXPECT_EQ(line.text(), h.help);
    }
    // The element is shown as text, not taken for markup.
    const QImage withElement = line.grab().toImage();
    line.setText(QStringLiteral("Indsætter META-elementet "));
    EXPECT_NE(line.grab().toImage(), withElement);

    QSet<QString> captions;
    for (QAbstractButton *b : dialog->findChildren<QAbstractButton *>())
        captions.insert(b->text());
    for (QLabel *l : dialog->findChildren<QLabel *>())
        captions.insert(l->text());
    for (QGroupBox *g : dialog->findChildren<QGroupBox *>())
        captions.insert(g->title());
    const QTabWidget *pages = dialog->findChild<QTabWidget *>();
    for (int i = 0; i < pages->count(); ++i)
        captions.insert(pages->tabText(i));
    for (const char *caption : {"Tekstbehandler",
                                "Programstier",
                                "Standardoplysninger",
                                "Brugerflade",
                                "HTML-faciliteter",
                                "&OK",
                                "Annuller",
                                "&Anvend",
                                "&Hjælp",
                                "Autoindryk",
                                "K&odefærdiggørelse",
                                "T&ekstombrydning",
                                "Skrifttype...",
                                "&Ingen",
                                "Pagewick &1",
                                "Pagewick &2",
                                "&Brugerdefineret",
                                "&Ens baggrund",
                                " Brugerdefineret farvning ",
                                "&Gem dokument ved åbning i browser",
                                " Browsere ",
                                "&Tilføj",
                                "&Rediger",
                                "&Slet",
                                "Vis &menu",
                                "Benyt &Internet Explorer som intern browser",
                                "&Benyt lokal server",
                                " Hjælpefiler ",
                                "Vælg...",
                                "&Placér genvej på Skrivebord",
                                "Pla&cér i Stifinders \"Overfør til\"-menu",
                                "&Billeder i filhåndteringen",
                                "&Skabelon-dialogboks ved klik på \"Nyt dokument\"-knap",
                                "&Filnavn i stedet for titel på faneblade",
                                "&Lineal i intern browser",
                                "Be&nyt arkivflag ved projektopdatering til Internet",
                                "&Opdateringsdato, format:",
                                "Op&dater kun eksisterende dato",
                                "Generator-&META-element ",
                                "&Konverter automatisk æ, ø og å",
                                "&Brug Webfarvedialogboks ",
                                "Br&ug Webfontliste",
                                "&Anvend \"sikre\" koder til tekstjustering",
                                "Anvend &XHTML-standard",
                                "&Gem HTML-dokumenter som '.html'-filer",
                                "B&evar ukendt indhold i HTML-kode ved højrekliksredigering",
                                "&Tjek ikke for disse elementers slutkoder ved kodetjek:"})
        EXPECT_TRUE(captions.contains(QString::fromUtf8(caption))) << caption;
}

TEST_F(SettingsDialogTest, AutoDateEnablesExistingDateOnlyAndApply)
{
    auto dialog = open();
    QCheckBox *existing = check(*dialog, "EksistDato");
    EXPECT_FALSE(existing->isEnabled());
    check(*dialog, "Autodato")->click();
    EXPECT_TRUE(existing->isEnabled());
    EXPECT_TRUE(button(*dialog, "Anvend")->isEnabled());
    check(*dialog, "Autodato")->click();
    EXPECT_FALSE(existing->isEnabled());
}

TEST_F(SettingsDialogTest, BrowserMenuOnlyWithMoreThanOneBrowser)
{
    storeBrowsers(1);
    auto dialog = open();
    dialog->setBrowserEditor([](const BrowserEntry &) {
        return std::optional<BrowserEntry>({QStringLiteral("Ny"), QStringLiteral("/ny")});
    });
    QCheckBox *menu = check(*dialog, "VisMenu");
    QPushButton *remove = button(*dialog, "Slet");
    EXPECT_FALSE(menu->isEnabled());
    EXPECT_FALSE(remove->isEnabled()) << "nothing chosen";

    button(*dialog, "Tilføj")->click();
    EXPECT_TRUE(menu->isEnabled());
    EXPECT_TRUE(remove->isEnabled()) << "the new entry is chosen";
    remove->click();
    EXPECT_FALSE(menu->isEnabled());
}

TEST_F(SettingsDialogTest, ColourGroupOnlyForTheUsersScheme)
{
    auto dialog = open();
    SyntaxColourBox *colours = dialog->findChild<SyntaxColourBox *>();
    EXPECT_FALSE(colours->isEnabled()); // "Pagewick 2" by default
    control<QRadioButton>(*dialog, "Kodefarve3")->click();
    EXPECT_TRUE(colours->isEnabled());
    EXPECT_TRUE(colours->sameBackgroundBox()->isEnabled());

    // A new normal background reaches every kind; "Pagewick 1" and back keeps the user's choice.
    m_prompter.expectColour(QColor(0x12, 0x34, 0x56));
    colours->backgroundButton(0)->click();
    EXPECT_EQ(colours->colours().comment.background, 0x123456u);
    control<QRadioButton>(*dialog, "Kodefarve1")->click();
    EXPECT_FALSE(colours->isEnabled());
    EXPECT_EQ(colours->colours().normal.background, 0xC0C0C0u);
    control<QRadioButton>(*dialog, "Kodefarve3")->click();
    EXPECT_EQ(colours->colours().normal.background, 0x123456u);

    dialog->accept();
    EXPECT_EQ(m_store->readInt(Keys::Editor, QStringLiteral("KomB"), 0), 0x563412);
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(SettingsDialogTest, CancelUndoesWhatWasOnlyApplied)
{
    m_store->writeInt(Keys::Indstillinger, QStringLiteral("Tabulator"), 4);
    auto dialog = open();
    QSignalSpy applied(dialog.get(), &TfrmIndstil::applied);
    ASSERT_EQ(dialog->sampleEditor()->TabStopSize(), 4);

    control<QSpinBox>(*dialog, "Tabulator")->setValue(8);
    button(*dialog, "Anvend")->click();
    EXPECT_EQ(dialog->options().tabSize, 8);
    EXPECT_EQ(dialog->sampleEditor()->TabStopSize(), 8);
    EXPECT_FALSE(button(*dialog, "Anvend")->isEnabled());
    EXPECT_EQ(applied.count(), 1);

    button(*dialog, "Annuller")->click();
    EXPECT_EQ(dialog->options().tabSize, 4);
    EXPECT_EQ(dialog->sampleEditor()->TabStopSize(), 4);
    EXPECT_EQ(control<QSpinBox>(*dialog, "Tabulator")->value(), 4);
    EXPECT_EQ(applied.count(), 2);
    EXPECT_EQ(m_store->readInt(Keys::Indstillinger, QStringLiteral("Tabulator"), 0), 4);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(SettingsDialogTest, TenBrowsersAreTheMost)
{
    storeBrowsers(10);
    auto dialog = open();
    dialog->setBrowserEditor([](const BrowserEntry &) -> std::optional<BrowserEntry> {
        ADD_FAILURE() << "the browser window opened";
        return std::nullopt;
    });
    m_prompter.expect(QStringLiteral("Brindle's Pagewick | Du kan kun tilknytte 10 eksterne browsere."));
    button(*dialog, "Tilføj")->click();
    EXPECT_TRUE(m_prompter.allAnswered());
    EXPECT_EQ(m_prompter.seen().value(0).icon, Prompter::Icon::Warning);
}

TEST_F(SettingsDialogTest, DeletingTheSecondOfThreeBrowsersKeepsTheThirdAsSecond)
{
    storeBrowsers(3);
    {
        auto dialog = open();
        auto *list = control<QListWidget>(*dialog, "Browsere");
        list->setCurrentRow(1);
        button(*dialog, "Slet")->click();
        // Until "&OK" the store keeps all three, so "Annuller" would lose none.
        EXPECT_EQ(m_store->readText(Keys::Indstillinger, QStringLiteral("Browser2"), QString()), QStringLiteral("B2"));
        button(*dialog, "OK")->click();
    }
    auto dialog = open();
    const QList<BrowserEntry> expected{{QStringLiteral("B1"), QStringLiteral("/b1")},
                                       {QStringLiteral("B3"), QStringLiteral("/b3")}};
    EXPECT_EQ(dialog->options().browsers, expected);
    EXPECT_EQ(control<QListWidget>(*dialog, "Browsere")->count(), 2);
}

TEST_F(SettingsDialogTest, EditReplacesTheChosenBrowser)
{
    storeBrowsers(2);
    auto dialog = open();
    BrowserEntry offered;
    dialog->setBrowserEditor([&](const BrowserEntry &entry) {
        offered = entry;
        return std::optional<BrowserEntry>({QStringLiteral("Ny"), QStringLiteral("/ny")});
    });
    control<QListWidget>(*dialog, "Browsere")->setCurrentRow(1);
    button(*dialog, "Rediger")->click();
    EXPECT_EQ(offered, (BrowserEntry{QStringLiteral("B2"), QStringLiteral("/b2")}));
    button(*dialog, "Anvend")->click();
    EXPECT_EQ(dialog->options().browsers.value(1), (BrowserEntry{QStringLiteral("Ny"), QStringLiteral("/ny")}));
}

TEST_F(SettingsDialogTest, AnItalicFontSurvivesARestart)
{
    {
        auto dialog = open();
        QFont italic(QStringLiteral("DejaVu Sans Mono"), 12);
        italic.setItalic(true);
        m_prompter.expectFont(italic);
        button(*dialog, "Skrifttype")->click();
        EXPECT_TRUE(dialog->sampleEditor()->Font().italic());
        button(*dialog, "OK")->click();
    }
    EXPECT_EQ(m_store->readText(Keys::Indstillinger, QStringLiteral("FontStyle"), QString()), QStringLiteral("kursiv"));
    auto dialog = open();
    EXPECT_TRUE(dialog->sampleEditor()->Font().italic());
    EXPECT_FALSE(dialog->sampleEditor()->Font().bold());
    EXPECT_EQ(dialog->sampleEditor()->Font().pointSize(), 12);
}

TEST_F(SettingsDialogTest, MissingUserDataFolderFallsBackOnOk)
{
    auto dialog = open();
    QSignalSpy checkList(dialog.get(), &TfrmIndstil::checkExclusionsChanged);
    auto *field = control<QLineEdit>(*dialog, "BrugerdataMappe");
    EXPECT_EQ(field->text(), m_dir.path());
    field->setText(m_dir.filePath(QStringLiteral("findes-ikke")));
    m_prompter.expect(QStringLiteral("findes ikke"));
    button(*dialog, "OK")->click();
    EXPECT_TRUE(m_prompter.allAnswered());
    EXPECT_EQ(field->text(), m_dir.path());
    EXPECT_EQ(dialog->options().userDataFolder, m_dir.path());
    EXPECT_EQ(checkList.count(), 0);
}

TEST_F(SettingsDialogTest, ShortcutsFollowTheOptionsWhenApplied)
{
    auto dialog = open();
    const QString desktop = Shortcuts::desktopEntryPath(places());
    const QString applications = Shortcuts::applicationsEntryPath(places());
    QCheckBox *onDesktop = nullptr;
    QCheckBox *inApplications = nullptr;
    for (QCheckBox *box : dialog->findChildren<QCheckBox *>()) {
        if (box->text() == QStringLiteral("&Placér genvej på Skrivebord"))
            onDesktop = box;
        if (box->text() == QStringLiteral("Pla&cér i Stifinders \"Overfør til\"-menu"))
            inApplications = box;
    }
    ASSERT_TRUE(onDesktop && inApplications);
    onDesktop->click();
    inApplications->click();
    button(*dialog, "Anvend")->click();
    EXPECT_TRUE(QFile::exists(desktop));
    EXPECT_TRUE(QFile::exists(applications));
    onDesktop->click();
    button(*dialog, "Anvend")->click();
    EXPECT_FALSE(QFile::exists(desktop));
    EXPECT_TRUE(QFile::exists(applications));
}

TEST_F(SettingsDialogTest, ChoosersAskWithTheirCaptions)
{
    auto dialog = open();
    const QString folder = m_dir.filePath(QStringLiteral("data"));
    QDir().mkpath(folder);
    m_prompter.expectFiles({folder});
    m_prompter.expectFiles({QStringLiteral("/doc/css.html")});
    auto *userData = control<QLineEdit>(*dialog, "BrugerdataMappe");
    QPushButton *chooseFolder = nullptr;
    for (QPushButton *b : userData->parentWidget()->findChildren<QPushButton *>())
        chooseFolder = b;
    ASSERT_NE(chooseFolder, nullptr);
    chooseFolder->click();
    EXPECT_EQ(userData->text(), QDir::toNativeSeparators(folder));

    dialog->showHelpFileField(1);
    EXPECT_EQ(dialog->findChild<QTabWidget *>()->currentIndex(), TfrmIndstil::ProgramPathsPage);
    auto *helpFile = control<QLineEdit>(*dialog, "Hjaelpefil2");
    EXPECT_EQ(dialog->focusWidget(), helpFile);
    QPushButton *chooseFile = nullptr;
    const QList<QPushButton *> buttons = helpFile->parentWidget()->findChildren<QPushButton *>();
    for (QPushButton *b : buttons) {
        if (b->text() == QStringLiteral("Vælg...") && b->geometry().top() <= helpFile->geometry().bottom()
            && b->geometry().bottom() >= helpFile->geometry().top())
            chooseFile = b;
    }
    ASSERT_NE(chooseFile, nullptr);
    chooseFile->click();
    EXPECT_EQ(helpFile->text(), QStringLiteral("/doc/css.html"));

    ASSERT_EQ(m_prompter.fileDialogs().size(), 2);
    EXPECT_EQ(m_prompter.fileDialogs().at(0).caption, QStringLiteral("Vælg den mappe, du ønsker, brugerdata skal placeres i:"));
    EXPECT_EQ(m_prompter.fileDialogs().at(0).folder, m_dir.path()) << "starts in the field's folder";
    EXPECT_EQ(m_prompter.fileDialogs().at(1).caption, QStringLiteral("Find hjælpefil"));
    EXPECT_EQ(m_prompter.fileDialogs().at(1).filters.value(0).description, QStringLiteral("Hjælpefiler"));
}

TEST_F(SettingsDialogTest, EveryControlIsReachableByKeyboard)
{
    auto dialog = open();
    for (QLabel *label : dialog->findChildren<QLabel *>()) {
        if (label->text().contains(QLatin1Char('&'))) {
            EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
        }
    }
    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        if (qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w) || qobject_cast<QAbstractSpinBox *>(w)
            || qobject_cast<QAbstractSlider *>(w) || qobject_cast<QListWidget *>(w)) {
            if (qobject_cast<QAbstractSlider *>(w) && qobject_cast<QAbstractScrollArea *>(w->parentWidget()->parentWidget()))
                continue; // scroll bars
            EXPECT_TRUE(w->focusPolicy() & Qt::TabFocus) << w->metaObject()->className() << " " << w->objectName().toStdString();
        }
    }

    // Tab leaves the sample editor instead of being typed into it.
    dialog->activateWindow();
    dialog->sampleEditor()->setFocus();
    QTest::keyClick(dialog->sampleEditor(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), dialog->sampleEditor());
    EXPECT_FALSE(dialog->sampleEditor()->GetText().contains(QLatin1Char('\t')));
}

} // namespace
