#include "core/OptionsModel.h"
#include "preview/browser/InternalBrowserCommands.h"
#include "support/MainWindowFixture.h"
#include "support/WaitUntil.h"

#include "documents/DocumentArea.h"
#include "editor/TLEditLines.h"
#include "editor/TRuler.h"

#include <QLabel>
#include <QMenu>
#include <QToolBar>
#include <QWebEngineView>

namespace {

bool engineModuleLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("pagewick_webengine");
}

class InternalBrowserTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        m_page = m_dir.filePath(QStringLiteral("forside.html"));
        writePage(QStringLiteral("Forside"));
        m_window->documentCommands().FilAabn(m_page);
    }
    void writePage(const QString &title)
    {
        QFile file(m_page);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QStringLiteral("<html><head><title>%1</title></head><body><p id=\"tekst\">Æbler og pærer</p></body></html>")
                       .arg(title)
                       .toUtf8());
    }
    QWebEngineView *view() { return m_window->findChild<QWebEngineView *>(QStringLiteral("wbInternBrowser")); }
    QVariant evaluate(const QString &script)
    {
        QVariant result;
        bool done = false;
        view()->page()->runJavaScript(script, [&](const QVariant &value) {
            result = value;
            done = true;
        });
        EXPECT_TRUE(waitUntil([&] { return done; }));
        return result;
    }
    bool menuEnabled(const char *id) { return m_window->findChild<QMenu *>(QString::fromLatin1(id))->menuAction()->isEnabled(); }
    QToolBar *toolBar(const char *id) { return m_window->findChild<QToolBar *>(QString::fromLatin1(id)); }

    QString m_page;
};

} // namespace

TEST_F(InternalBrowserTest, ShowsThePageInPlaceOfTheEditorAndComesBackToTheSameSelection)
{
    // Nothing of the web engine is loaded before the browser is asked for.
    EXPECT_FALSE(engineModuleLoaded());
    EXPECT_EQ(view(), nullptr);
    EXPECT_FALSE(m_window->documentArea().topRuler()->isVisible());
    editor().SetSelection(selection(1, 6, 1, 12));
    const QString text = editor().GetText();

    run("actInternBrowser");
    ASSERT_NE(view(), nullptr);
    EXPECT_TRUE(engineModuleLoaded());
    ASSERT_TRUE(waitUntil([&] { return view()->title() == QLatin1String("Forside"); }, 20000));
    EXPECT_EQ(evaluate(QStringLiteral("document.getElementById('tekst').textContent")).toString(),
              QStringLiteral("Æbler og pærer"));

    // The browser view: the editor's chrome gives way and writing commands rest.
    DocumentArea &area = m_window->documentArea();
    EXPECT_TRUE(view()->isVisible());
    EXPECT_FALSE(editor().isVisible());
    EXPECT_FALSE(area.gutter()->isVisible());
    EXPECT_FALSE(area.editorToolBar()->isVisible());
    EXPECT_TRUE(area.topRuler()->isVisible());
    EXPECT_TRUE(area.leftRuler()->isVisible());
    SettingsOptions options = m_window->options().options();
    options.browserRuler = false; // "Lineal i intern browser" off, applied in the settings
    m_window->options().apply(options);
    EXPECT_FALSE(area.topRuler()->isVisible());
    EXPECT_FALSE(area.leftRuler()->isVisible());
    ASSERT_NE(toolBar("tbInternBrowser"), nullptr);
    EXPECT_TRUE(toolBar("tbInternBrowser")->isVisible());
    EXPECT_EQ(toolBar("tbInternBrowser")->findChild<QLabel *>()->text(), QStringLiteral("  INTERN BROWSER"));
    EXPECT_FALSE(toolBar("tbMain")->isEnabled());
    for (const char *menu : {"mnuRediger", "mnuSoeg", "mnuFormater", "mnuIndsaet", "mnuStruktur", "mnuBiblioteker"})
        EXPECT_FALSE(menuEnabled(menu)) << menu;
    EXPECT_TRUE(menuEnabled("mnuFiler"));
    EXPECT_TRUE(menuEnabled("mnuVis"));
    EXPECT_TRUE(command("actInternBrowser")->isChecked());
    EXPECT_FALSE(command("actKodeeditor")->isChecked());
    EXPECT_FALSE(command("actTjekHtml")->isEnabled());
    EXPECT_TRUE(m_window->options().options().internalExplorer);
    QTest::keyClick(m_window.get(), Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(m_window.get(), Qt::Key_F9);
    QApplication::processEvents();
    EXPECT_EQ(editor().GetText(), text);

    // F5 reloads the page shown from its file.
    QFile shown(view()->url().toLocalFile());
    ASSERT_TRUE(shown.open(QIODevice::WriteOnly | QIODevice::Truncate));
    shown.write("<html><head><title>Ny titel</title></head><body></body></html>");
    shown.close();
    run("actOpdater");
    EXPECT_TRUE(waitUntil([&] { return view()->title() == QLatin1String("Ny titel"); }, 20000));

    // The shortcut back works from inside the page.
    QWidget *focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(view()->isAncestorOf(focus) || focus == view());
    QTest::keyClick(focus, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_FALSE(view()->isVisible());
    EXPECT_TRUE(editor().isVisible());
    EXPECT_TRUE(area.gutter()->isVisible());
    EXPECT_TRUE(area.editorToolBar()->isVisible());
    EXPECT_FALSE(area.topRuler()->isVisible());
    EXPECT_FALSE(toolBar("tbInternBrowser")->isVisible());
    EXPECT_TRUE(toolBar("tbMain")->isEnabled());
    EXPECT_TRUE(menuEnabled("mnuRediger"));
    EXPECT_TRUE(command("actKodeeditor")->isChecked());
    EXPECT_FALSE(command("actInternBrowser")->isChecked());
    EXPECT_EQ(editor().GetSelection(), selection(1, 6, 1, 12));
    EXPECT_TRUE(editor().hasFocus());

    // Shift+F12 toggles: the same engine serves again.
    QWebEngineView *first = view();
    run("actInternBrowser");
    EXPECT_EQ(view(), first);
    EXPECT_TRUE(view()->isVisible());
    run("actInternBrowser");
    EXPECT_FALSE(view()->isVisible());
}

TEST_F(InternalBrowserTest, AnEngineThatCannotStartLeavesTheCodeEditorAndTheOptionOff)
{
    SettingsOptions options = m_window->options().options();
    options.internalExplorer = true;
    m_window->options().apply(options);
    qputenv("PAGEWICK_BROWSER_MODULE", m_dir.filePath(QStringLiteral("mangler.so")).toUtf8());
    m_prompter.expect(QStringLiteral("Den interne browser kunne ikke startes: "));
    run("actInternBrowser");
    qunsetenv("PAGEWICK_BROWSER_MODULE");

    EXPECT_FALSE(m_window->options().options().internalExplorer);
    EXPECT_TRUE(command("actKodeeditor")->isChecked());
    EXPECT_FALSE(command("actInternBrowser")->isChecked());
    EXPECT_TRUE(editor().isVisible());
    EXPECT_TRUE(menuEnabled("mnuRediger"));
}

TEST_F(InternalBrowserTest, AnUnsavedDocumentIsShownFromACopy)
{
    m_window->documentArea().addDocument(QStringLiteral("Nyt dokument 2"));
    editor().SetText(QStringLiteral("<html><head><title>Kopi</title></head><body></body></html>"));
    run("actInternBrowser");
    EXPECT_TRUE(command("actInternBrowser")->isChecked());
    EXPECT_TRUE(waitUntil([&] { return view()->title() == QLatin1String("Kopi"); }, 20000));
    run("actKodeeditor");
    EXPECT_TRUE(editor().isVisible());
}

TEST_F(InternalBrowserTest, WorkingOfflineIsKeptAtShutdown)
{
    ASSERT_TRUE(command("actArbejdOffline")->isChecked());
    run("actArbejdOffline");
    EXPECT_FALSE(command("actArbejdOffline")->isChecked());
    m_window->close();
    EXPECT_FALSE(settings().readBool(QStringLiteral("Start"), QStringLiteral("ArbejdOffline"), true));
}

TEST_F(InternalBrowserTest, BrowserSizeGivesTheAreaOrSaysHowFarTheScreenAllows)
{
    run("actResursefaner"); // the panel beside would not leave room on the small screen
    run("actInternBrowser");
    run("actStoerrelse640");
    // The window may not become narrower than its menus and panels allow.
    DocumentArea &area = m_window->documentArea();
    ASSERT_TRUE(waitUntil([&] { return area.browserAreaSize().height() == 360; }));
    const int narrowest = m_window->minimumSizeHint().width();
    EXPECT_TRUE(area.browserAreaSize().width() == 640 || m_window->width() == narrowest)
        << area.browserAreaSize().width() << " wide in a window of " << m_window->width() << ", at least " << narrowest;
    EXPECT_EQ(view()->size(), area.browserAreaSize());

    // Wider than the screen: the window stops at the screen's edge and says how wide the browser got.
    const QSize room = m_window->screen()->availableGeometry().size();
    ASSERT_LT(room.width(), 1024);
    ASSERT_GT(room.height(), 648 + m_window->height() - 360);
    m_prompter.expect(QStringLiteral("Den interne browser er kun "));
    run("actStoerrelse1024");
    EXPECT_LE(m_window->width(), std::max(room.width(), narrowest));
    ASSERT_TRUE(waitUntil([&] { return area.browserAreaSize().height() == 648; }));
}

TEST_F(InternalBrowserTest, RefreshBesideTheCodeRenewsTheDocumentsCaption)
{
    editor().SetText(QStringLiteral("<html><head><title>Andet navn</title></head></html>"));
    run("actOpdater");
    EXPECT_EQ(m_window->documentArea().captionAt(m_window->documentArea().currentIndex()), QStringLiteral("Andet navn"));
    EXPECT_EQ(view(), nullptr); // the engine is not needed for that
}

TEST_F(InternalBrowserTest, NewAndCloseReturnToTheCodeEditor)
{
    DocumentArea &area = m_window->documentArea();
    for (const char *id : {"actNy", "actLuk", "actLukAlle"}) {
        run("actInternBrowser");
        ASSERT_TRUE(view()->isVisible()) << id;
        run(id);
        EXPECT_FALSE(view()->isVisible()) << id;
        EXPECT_TRUE(command("actKodeeditor")->isChecked()) << id;
        EXPECT_TRUE(area.gutter()->isVisible()) << id;
        EXPECT_TRUE(editor().isVisible()) << id;
    }
}

TEST_F(InternalBrowserTest, SavingWhileShownReloadsThePageWhereTheReaderWas)
{
    const QString tall = QStringLiteral("<div style=\"height: 5000px\">Høj</div>");
    editor().SetText(QStringLiteral("<html><head><title>Lang</title></head><body>%1</body></html>").arg(tall));
    m_prompter.expect(QStringLiteral("indeholder ikke en Auto-opdateringsdato"), Prompter::No);
    run("actGem");
    run("actInternBrowser");
    ASSERT_TRUE(waitUntil([&] { return view()->title() == QLatin1String("Lang"); }, 20000));
    evaluate(QStringLiteral("window.scrollTo(0, 1200)"));
    ASSERT_TRUE(waitUntil([&] { return evaluate(QStringLiteral("window.scrollY")).toInt() == 1200; }));

    // "Gem" works beside the page: the page shown follows the file.
    editor().SetText(QStringLiteral("<html><head><title>Gemt igen</title></head><body>%1</body></html>").arg(tall));
    m_prompter.expect(QStringLiteral("indeholder ikke en Auto-opdateringsdato"), Prompter::No);
    run("actGem");
    ASSERT_TRUE(waitUntil([&] { return view()->title() == QLatin1String("Gemt igen"); }, 20000));
    EXPECT_TRUE(waitUntil([&] { return evaluate(QStringLiteral("window.scrollY")).toInt() == 1200; }));
    EXPECT_TRUE(view()->isVisible());
}
