// The menus and commands of the main window, walked against the list of what
// they must hold, and the commands that write markup.
#include "app/HelpKeyword.h"
#include "app/ShellCommands.h"
#include "app/TfrmPW4.h"
#include "core/SettingsStore.h"
#include "dialogs/settings/TfrmIndstil.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentCommands.h"
#include "editing/EditorCommands.h"
#include "editing/EditorContextMenu.h"
#include "editor/TLEdit.h"
#include "support/ScriptedPrompter.h"
#include "workbench/CommandRegistry.h"

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <memory>

namespace {

class CommandsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir().mkpath(m_dir.filePath(QStringLiteral("program")));
        for (const char *dataFile : {"program/eventmap.dat", "program/globalmap.dat", "program/html4bib.dat"}) {
            QFile f(m_dir.filePath(QString::fromLatin1(dataFile)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        m_store = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("Pagewick.ini")));
        m_window = std::make_unique<TfrmPW4>(MainWindowServices{*m_store, m_prompter, m_dir.filePath(QStringLiteral("program/")),
                                                                m_dir.filePath(QStringLiteral("data/"))});
        m_window->shellCommands().setUrlOpener([this](const QUrl &url) {
            m_opened.append(url);
            return true;
        });
        m_window->show();
    }
    void TearDown() override
    {
        m_window->ActiveEditor()->ClearModified();
        m_window.reset();
        EXPECT_TRUE(m_prompter.allAnswered());
    }

    TLEdit &editor() { return *m_window->ActiveEditor(); }
    void run(const char *id)
    {
        QAction *action = m_window->command(QString::fromLatin1(id));
        ASSERT_NE(action, nullptr) << id;
        ASSERT_TRUE(action->isEnabled()) << id;
        action->trigger();
    }

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<TfrmPW4> m_window;
    QList<QUrl> m_opened;
};

// "Caption|shortcut" of each entry in menu order; a submenu as "Caption>".
QStringList walk(const QMenu *menu)
{
    QStringList entries;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        QString caption = action->text().remove(QLatin1Char('&'));
        if (action->menu()) {
            entries.append(caption + QLatin1Char('>'));
            continue;
        }
        const QString shortcut = action->shortcut().toString(QKeySequence::PortableText);
        entries.append(shortcut.isEmpty() ? caption : caption + QLatin1Char('|') + shortcut);
    }
    return entries;
}

TEST_F(CommandsTest, TheMenusHoldEveryCommandWithItsCaptionAndShortcut)
{
    const QList<std::pair<QString, QStringList>> expected = {
        {"Filer",
         {"Ny...|Ctrl+N", "Åbn...|Ctrl+O", "Senest åbnede filer>", "Luk|Ctrl+F4", "Luk alle", "Gem|Ctrl+S", "Gem som...",
          "Gem alle", "Gem med ÆØÅ-koder|Ctrl+Æ", "Ret filnavne...", "Udskriv...|Ctrl+P", "Indstil printer...", "Billedfremviser",
          "Egenskaber", "Afslut|Alt+F4"}},
        {"Rediger",
         {"Fortryd|Ctrl+Z", "Annuller fortryd|Ctrl+Shift+Z", "Klip", "Kopier", "Sæt ind", "Slet", "Marker alt|Ctrl+A",
          "Rediger HTML-element|F4", "Tekstkonvertering>", "Danske tegn>", "Specialtegn>", "Konverter koder til XHTML-standard",
          "Konverter koder til store bogstaver", "Konverter koder til små bogstaver", "Slet alle HTML-koder"}},
        {"Søg",
         {"Søg|Ctrl+F", "Find næste|F3", "Erstat...|Ctrl+R", "Udvidet søgning...", "Udvidet erstat...", "Sæt bogmærke>",
          "Gå til bogmærke>", "Gå til linie...|Ctrl+G"}},
        {"Vis",
         {"Vis>", "Filtyper>", "Biblioteker>", "Resursefaner|F7", "Søgeresultater", "Opdater|F5", "Kodeeditor|Ctrl+Shift+F12",
          "Intern browser|Shift+F12", "Arbejd offline", "Intern browserstørrelse>", "Vis side i ekstern browser|F11",
          "Vis i ekstern browser via forhåndsvisningsserver", "Opdater forhåndsvisningen, mens du skriver"}},
        {"Formater",
         {"Fed|Ctrl+B", "Kursiv|Ctrl+I", "Understreget|Ctrl+U", "Fontstørrelse +1|Ctrl++", "Fontstørrelse -1|Ctrl+Num+/",
          "Overskrift>", "Ord...", "Blok...", "Skrivemaskine", "Præformateret", "Fjern formatering", "Centrér|Ctrl+Shift+C",
          "Højrejustér", "Lige marginer", "Skrifttype...|Ctrl+Shift+S"}},
        {"Indsæt",
         {"Brugerkoder>", "Hårdt mellemrum|Ctrl+Space", "Linieskift|Ctrl+Return", "Afsnit|Shift+Return",
          "Vandret linie|Ctrl+Shift+V", "Basiskoder, ny side...|Ctrl+Shift+Q", "Henvisning...|Ctrl+Shift+H",
          "Grafik...|Ctrl+Shift+G", "Lyd...", "Linie...|Ctrl+Shift+L", "E-mail...|Ctrl+Shift+E", "Farve, Webfarvedialog...",
          "Farve, Windowsdialog...", "Opdateringsdato|F6", "Kommentar|Ctrl+Shift+K"}},
        {"Struktur",
         {"Tabel...|Ctrl+Shift+T", "Række|Ctrl+Shift+R", "Tabelcelle|Ctrl+Shift+D", "Punktopstilling...|Ctrl+Shift+O",
          "Punkt|Ctrl+Shift+U", "Rammer...", "Formular...|Ctrl+Shift+F"}},
        {"Funktioner",
         {"Tekstombrydning|Ctrl+W", "Skrivebeskyttet", "Moderside", "Tjek HTML-koder|F9", "Titel...", "Deaktiver henvisning",
          "Meta-information|Ctrl+Shift+M", "Eksterne resursefiler...", "Billedkorteditor...", "Skripteditor...|Ctrl+Shift+J",
          "Typografiarkeditor...|Ctrl+Shift+Y", "Overførsel til Internet...|Ctrl+Shift+W", "Indstillinger...|Ctrl+Shift+I"}},
        {"Hjælp",
         {"Hjælp|F1", "Søg hjælp om...", "Tastaturgenveje", "HTML|Shift+F1", "Typografikark|Ctrl+Shift+F1", "JavaScript|Alt+F1",
          "Om Pagewick..."}},
    };
    const QList<QAction *> bar = m_window->menuBar()->actions();
    ASSERT_EQ(bar.size(), expected.size());
    for (int i = 0; i < bar.size(); ++i) {
        EXPECT_EQ(bar[i]->text().remove(QLatin1Char('&')), expected[i].first);
        QMenu *menu = bar[i]->menu();
        if (expected[i].first == QStringLiteral("Hjælp"))
            Q_EMIT menu->aboutToShow(); // captions of the help files come from the settings
        EXPECT_EQ(walk(menu), expected[i].second) << expected[i].first.toStdString();
    }
    const auto submenu = [&](const char *id) { return m_window->findChild<QMenu *>(QString::fromLatin1(id)); };
    EXPECT_EQ(walk(submenu("mnuOverskrift")).size(), 6);
    EXPECT_EQ(walk(submenu("mnuSaetBogmaerke")).last(), QStringLiteral("Sæt bogmærke 5|Alt+Shift+5"));
    EXPECT_EQ(walk(submenu("mnuGaaTilBogmaerke")).first(), QStringLiteral("Gå til bogmærke 1|Alt+1"));
    EXPECT_EQ(walk(submenu("mnuBrugerkoder")).size(), 9);
    EXPECT_EQ(walk(submenu("mnuFiltyper")).size(), 7);
}

TEST_F(CommandsTest, CommandsWhosePartIsMissingArePresentButDisabled)
{
    for (const char *id : {"actTabel", "actFormular", "actBilledfremviser"}) {
        QAction *action = m_window->command(QString::fromLatin1(id));
        ASSERT_NE(action, nullptr) << id;
        EXPECT_FALSE(action->isEnabled()) << id;
    }
    for (const char *id : {"actFed", "actSoeg", "actLinieskift", "actPunkt", "actIndstillinger"})
        EXPECT_TRUE(m_window->command(QString::fromLatin1(id))->isEnabled()) << id;
}

TEST_F(CommandsTest, FormattingCommandsWriteTheirMarkup)
{
    const struct
    {
        const char *id;
        const char *result;
    } cases[] = {
        {"actFed", "<strong>ord</strong>"},
        {"actKursiv", "<em>ord</em>"},
        {"actUnderstreget", "<u>ord</u>"},
        {"actFontPlus", "<font size=\"+1\">ord</font>"},
        {"actOverskrift3", "<h3>ord</h3>"},
        {"actCentrer", "<div style=\"text-align:center\">ord</div>"},
        {"actHoejrejuster", "<div style=\"text-align:right\">ord</div>"},
        {"actKommentar", "<!-- ord -->"},
        {"actPunkt", "<li>ord</li>"},
        {"actLinieskift", "<br>"},
        {"actVandretLinie", "<hr>"},
        {"actHaardtMellemrum", "&nbsp;"},
    };
    for (const auto &c : cases) {
        editor().SetText(QStringLiteral("ord"));
        editor().SelectAll();
        run(c.id);
        EXPECT_EQ(editor().GetText(), QString::fromUtf8(c.result)) << c.id;
    }
    // "Punkt" with nothing selected takes the caret line.
    editor().SetText(QStringLiteral("a\nline\nb"));
    editor().SetSelection(SelectionRecord::at({2, 2}));
    run("actPunkt");
    EXPECT_EQ(editor().GetText(), QStringLiteral("a\n<li>line</li>\nb"));

    // Old alignment and XHTML from the settings.
    m_store->writeBool(QStringLiteral("Indstillinger"), QStringLiteral("SikkerJustering"), true);
    m_store->writeBool(QStringLiteral("Indstillinger"), QStringLiteral("XHTML"), true);
    m_window->settingsDialog()->reject();
    editor().SetText(QStringLiteral("ord"));
    editor().SelectAll();
    run("actCentrer");
    EXPECT_EQ(editor().GetText(), QStringLiteral("<center>ord</center>"));
    editor().SetText(QString());
    run("actLinieskift");
    EXPECT_EQ(editor().GetText(), QStringLiteral("<br />"));

    // A read-only document is left alone.
    editor().SetReadOnly(true);
    run("actFed");
    EXPECT_EQ(editor().GetText(), QStringLiteral("<br />"));
}

TEST_F(CommandsTest, QuickTablesAndTheSystemColour)
{
    auto *tableButton = m_window->command(QStringLiteral("actTabelKnap"));
    ASSERT_NE(tableButton, nullptr);
    QMenu *twoRows = tableButton->menu()->actions().at(1)->menu();
    ASSERT_EQ(twoRows->title(), QStringLiteral("2 rækker"));
    twoRows->actions().at(2)->trigger(); // "3 kolonner"
    EXPECT_EQ(editor().GetText(),
              QStringLiteral("<table>\n<tr>\n\t<td></td>\n\t<td></td>\n\t<td></td>\n</tr>\n<tr>\n"
                             "\t<td></td>\n\t<td></td>\n\t<td></td>\n</tr>\n</table>\n"));
    editor().SetText(QString());
    m_prompter.expectColour(QColor(0x12, 0xab, 0xef));
    run("actSystemfarve");
    EXPECT_EQ(editor().GetText(), QStringLiteral("#12ABEF"));
    m_prompter.expectColour(QColor());
    run("actSystemfarve"); // cancelled
    EXPECT_EQ(editor().GetText(), QStringLiteral("#12ABEF"));
}

TEST_F(CommandsTest, HelpOpensTheProgramsPagesAndTheUsersHelpFiles)
{
    const QString helpFolder = m_dir.filePath(QStringLiteral("program/help"));
    m_prompter.expect(QStringLiteral("Hjælpesiden \"%1/index.html\" findes ikke.").arg(helpFolder));
    run("actHjaelp");
    EXPECT_TRUE(m_opened.isEmpty());

    QDir().mkpath(helpFolder);
    for (const char *page : {"index.html", "stikord.html", "tastatur.html", "indstillinger.html"})
        QFile(QDir(helpFolder).filePath(QString::fromLatin1(page))).open(QIODevice::WriteOnly);
    run("actHjaelp");
    run("actSoegHjaelp");
    run("actTastaturgenveje");
    m_window->settingsDialog()->findChild<QPushButton *>(QStringLiteral("Hjælp"))->click();
    QStringList pages;
    for (const QUrl &url : std::as_const(m_opened))
        pages.append(url.toLocalFile().remove(helpFolder + QLatin1Char('/')));
    EXPECT_EQ(pages,
              (QStringList{QStringLiteral("index.html"), QStringLiteral("stikord.html"), QStringLiteral("tastatur.html"),
                           QStringLiteral("indstillinger.html")}));

    // F1 in an open menu asks for that menu's section, also from a submenu.
    for (const char *menuId : {"mnuFunktioner", "mnuTekstkonvertering"}) {
        QMenu *menu = m_window->commands().menu(QString::fromLatin1(menuId));
        menu->popup(QPoint(10, 10));
        QTest::keyClick(menu, Qt::Key_F1);
        EXPECT_FALSE(menu->isVisible());
    }
    ASSERT_EQ(m_opened.size(), 6);
    EXPECT_EQ(m_opened[4].fragment(), QStringLiteral("mnuFunktioner"));
    EXPECT_EQ(m_opened[5].fragment(), QStringLiteral("mnuRediger"));

    m_window->shellCommands().setUrlOpener([](const QUrl &) { return false; });
    m_prompter.expect(QStringLiteral("Hjælpesiden \"%1/tastatur.html\" kunne ikke åbnes i en browser.").arg(helpFolder));
    run("actTastaturgenveje");
    m_window->shellCommands().setUrlOpener([this](const QUrl &url) {
        m_opened.append(url);
        return true;
    });
    m_opened.clear();

    m_prompter.expect(QStringLiteral("Du skal angive stien til den fil, du ønsker at bruge som hjælpefil"));
    run("actHjaelpefil1");
    EXPECT_TRUE(m_window->settingsDialog()->isVisible());
    m_window->settingsDialog()->reject();

    m_store->writeText(QStringLiteral("Indstillinger"), QStringLiteral("CSShjælp"), QStringLiteral("/doc/css.html"));
    m_window->settingsDialog()->reject();
    editor().SetText(QStringLiteral("p { font-size:12px }"));
    editor().SetSelection(SelectionRecord::at({1, 8}));
    run("actHjaelpefil2");
    ASSERT_EQ(m_opened.size(), 1);
    EXPECT_EQ(m_opened[0].fragment(), QStringLiteral("font-size"));
}

TEST(HelpKeyword, TheWordAroundTheCaretOrTheSelection)
{
    const struct
    {
        const char *line;
        int column;
        const char *keyword;
    } cases[] = {
        {"p { font-size:12px }", 8, "font-size"},
        {"<table border=1>", 3, "table"},
        {"<table border=1>", 6, "table"},
        {"a.b.c", 2, "b"},
        {"", 0, ""},
        {"  ", 1, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(helpKeyword(QString::fromUtf8(c.line), c.column, QString()), QString::fromUtf8(c.keyword)) << c.line;
    EXPECT_EQ(helpKeyword(QStringLiteral("x"), 0, QStringLiteral("valgt tekst")), QStringLiteral("valgt tekst"));
}

} // namespace

namespace {

QStringList captions(const QMenu *menu)
{
    QStringList list;
    for (QAction *action : menu->actions()) {
        if (!action->isSeparator())
            list.append(action->text());
    }
    return list;
}

TEST_F(CommandsTest, TheEditorsContextMenusFollowTheSelection)
{
    editor().SetText(QStringLiteral("tekst"));
    std::unique_ptr<QMenu> withSelection(m_window->editorCommands().contextMenus().selectionMenu());
    EXPECT_EQ(captions(withSelection.get()),
              (QStringList{"Klip", "Kopier", "Sæt ind", "Fed", "Kursiv", "Understreget", "Fontstørrelse +1", "Fontstørrelse -1",
                           "Faste formater", "Centrér", "Højrejustér", "Skrifttype...", "Punktopstilling..."}));
    std::unique_ptr<QMenu> without(m_window->editorCommands().contextMenus().documentMenu(false));
    EXPECT_EQ(captions(without.get()).mid(0, 6),
              (QStringList{"Luk", "Overførsel til Internet...", "Føj til Favoritfiler", "Vis side i ekstern browser", "Moderside",
                           "Titel..."}));
    EXPECT_EQ(captions(without.get()).last(), QStringLiteral("Egenskaber"));
    EXPECT_FALSE(without->actions().last()->isEnabled()); // no file path
    std::unique_ptr<QMenu> tabs(m_window->editorCommands().contextMenus().documentMenu(true));
    EXPECT_EQ(captions(tabs.get()).last(), QStringLiteral("Moderside"));

    // The menu's "Fed" works like the command.
    editor().SelectAll();
    withSelection->actions().at(4)->trigger();
    EXPECT_EQ(editor().GetText(), QStringLiteral("<strong>tekst</strong>"));
}

TEST_F(CommandsTest, CtrlTabGoesRoundTheDocuments)
{
    m_window->documentCommands().NewDocument();
    m_window->documentCommands().NewDocument();
    DocumentArea *docs = &m_window->documentArea();
    ASSERT_EQ(docs->currentIndex(), 2);
    QTest::keyClick(m_window->ActiveEditor(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(docs->currentIndex(), 0);
    QTest::keyClick(m_window->ActiveEditor(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(docs->currentIndex(), 2);
    for (int tab = 0; tab < docs->count(); ++tab)
        docs->editorAt(tab)->ClearModified();
}

// A command's shortcut that is also an editor key runs the command once, and
// the editor does not act on the key as well.
TEST_F(CommandsTest, ShortcutsThatAreEditorKeysRunTheirCommandOnly)
{
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *expected;
    } cases[] = {
        {Qt::Key_Return, Qt::ShiftModifier, "<p>Hej</p>"},
        {Qt::Key_Return, Qt::ControlModifier, "Hej<br>"},
        {Qt::Key_Space, Qt::ControlModifier, "Hej&nbsp;"},
    };
    for (const auto &c : cases) {
        editor().SetText(QStringLiteral("Hej"));
        if (c.modifiers == Qt::ShiftModifier)
            editor().SetSelection(SelectionRecord::between({1, 0}, {1, 3}));
        else
            editor().SetSelection(SelectionRecord::at({1, 3}));
        editor().setFocus();
        QTest::keyClick(&editor(), c.key, c.modifiers);
        EXPECT_EQ(editor().GetText(), QString::fromUtf8(c.expected)) << c.expected;
    }
}

// States computed when a menu opens also follow the text: a menu opened on
// the empty first document must not leave F9 and Ctrl+P dead once text is typed.
TEST_F(CommandsTest, F9AndCtrlPWorkOnTypedTextAfterAMenuSawTheDocumentEmpty)
{
    m_window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    for (const char *menu : {"mnuFiler", "mnuFunktioner"})
        Q_EMIT m_window->commands().menu(QString::fromLatin1(menu))->aboutToShow();
    editor().setFocus();
    QTest::keyClicks(&editor(), QStringLiteral("<p>Hej</p>"));
    m_prompter.expect(QStringLiteral("Tjek HTML-koder")).expectPrintDialog(false);
    QTest::keyClick(&editor(), Qt::Key_F9);
    QTest::keyClick(&editor(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(CommandsTest, TheStylePopupOffersTheRememberedClasses)
{
    m_store->writeText(QStringLiteral("Klasser"), QStringLiteral("1"), QStringLiteral("zeta"));
    m_store->writeText(QStringLiteral("Klasser"), QStringLiteral("2"), QStringLiteral("alfa"));
    QMenu *styles = m_window->command(QStringLiteral("actSkrifttypeKnap"))->menu();
    Q_EMIT styles->aboutToShow();
    const QStringList shown = captions(styles);
    EXPECT_EQ(shown.mid(shown.size() - 2), (QStringList{"alfa", "zeta"}));
    editor().SetText(QStringLiteral("x"));
    editor().SelectAll();
    styles->actions().last()->trigger();
    EXPECT_EQ(editor().GetText(), QStringLiteral("<span class=\"zeta\">x</span>"));
}

} // namespace

namespace {

TEST_F(CommandsTest, EveryWorkingCommandCopesWithAwkwardDocuments)
{
    const char *commands[] = {"actFed",        "actKursiv",          "actUnderstreget",    "actFontPlus",
                              "actFontMinus",  "actOverskrift1",     "actSkrivemaskine",   "actPraeformateret",
                              "actAfsnit",     "actKommentar",       "actRaekke",          "actTabelcelle",
                              "actCentrer",    "actHoejrejuster",    "actLigeMarginer",    "actPunkt",
                              "actLinieskift", "actVandretLinie",    "actHaardtMellemrum", "actMarkerAlt",
                              "actSlet",       "actTekstombrydning", "actModerside"};
    const struct
    {
        const char *name;
        QString text;
        SelectionRecord selection;
        bool readOnly;
    } documents[] = {
        {"empty", QString(), SelectionRecord::at({1, 0}), false},
        {"read-only", QStringLiteral("<p>tekst</p>"), SelectionRecord::between({1, 0}, {1, 5}), true},
        {"to the end", QStringLiteral("a\nbc"), SelectionRecord::between({1, 1}, {2, 2}), false},
        {"backwards", QStringLiteral("a\nbc"), SelectionRecord::between({2, 2}, {1, 0}), false},
        {"no head", QStringLiteral("<body>x</body>"), SelectionRecord::at({1, 6}), false},
    };
    for (const auto &d : documents) {
        for (const char *id : commands) {
            editor().SetReadOnly(false);
            editor().SetText(d.text);
            editor().SetSelection(d.selection);
            editor().SetReadOnly(d.readOnly);
            run(id);
            // Wrapping commands keep the text between their tags (insertions
            // replace the selection, as they should).
            static const QList<QByteArray> inserting = {"actLinieskift", "actVandretLinie", "actHaardtMellemrum", "actKommentar",
                                                        "actMarkerAlt",  "actSlet",         "actTekstombrydning", "actModerside"};
            const bool marksUp = !inserting.contains(QByteArray(id));
            if (d.readOnly) {
                EXPECT_EQ(editor().GetText(), d.text) << d.name << " " << id;
            } else if (marksUp) {
                // Markup is added around or at the text; none of the text is lost.
                static const QRegularExpression tags(QStringLiteral("<[^>]*>|&nbsp;"));
                EXPECT_EQ(QString(editor().GetText()).remove(tags), QString(d.text).remove(tags)) << d.name << " " << id;
            }
        }
    }
    editor().SetReadOnly(false);
}

} // namespace
