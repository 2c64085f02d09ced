#include "app/SingleInstance.h"
#include "app/TfrmPW4.h"
#include "core/SettingsStore.h"
#include "documents/DocumentArea.h"
#include "support/ScriptedPrompter.h"
#include "support/WaitUntil.h"
#include "workbench/TFriendlyStatusBar.h"

#include "app/ShellCommands.h"
#include "documents/DocumentCommands.h"
#include "editor/TLEdit.h"
#include "editor/TLEditLines.h"
#include "editor/TRuler.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString Start = QStringLiteral("Start");

class MainWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(programFolder()));
        writeFile(programFolder() + QStringLiteral("eventmap.dat"), "1700=body,frameset\r\n");
        writeFile(programFolder() + QStringLiteral("globalmap.dat"), "id=html,head\r\nclass=html\r\n");
        writeFile(programFolder() + QStringLiteral("html4bib.dat"), QByteArray());
        m_store = std::make_unique<SettingsStore>(iniPath());
    }

    QString iniPath() const { return m_dir.filePath(QStringLiteral("config/Pagewick.ini")); }
    QString programFolder() const { return m_dir.filePath(QStringLiteral("program/")); }
    QString defaultUserData() const { return m_dir.filePath(QStringLiteral("userdata/")); }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    std::unique_ptr<TfrmPW4> createWindow()
    {
        return std::make_unique<TfrmPW4>(MainWindowServices{*m_store, m_prompter, programFolder(), defaultUserData()});
    }

    // Closes the window as the user would and starts over from the settings file.
    void closeAndReopenStore(TfrmPW4 &window)
    {
        EXPECT_TRUE(window.close());
        m_store.reset();
        m_store = std::make_unique<SettingsStore>(iniPath());
    }

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    std::unique_ptr<SettingsStore> m_store;
};

TEST_F(MainWindowTest, TheWindowStartsWithItsWholeLayout)
{
    auto window = createWindow();
    DocumentArea *docs = &window->documentArea();
    ASSERT_EQ(docs->count(), 1);
    EXPECT_EQ(docs->captionAt(0), QStringLiteral("Nyt dokument 1"));
    window->showAsStored();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));

    // Showing the document replaces the first caption by the title.
    EXPECT_EQ(docs->captionAt(0), QStringLiteral("[Ingen titel]"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Brindle's Pagewick 4 - [Ingen titel]"));
    // Captions are shown as they stand: the application has no display name
    // of its own, which the desktop's window titles would otherwise end with.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
    EXPECT_EQ(docs->editorAt(0)->objectName(), QStringLiteral("LEdit0"));
    EXPECT_FALSE(docs->editorAt(0)->isModified());

    QTabWidget *resources = window->resourcePanel();
    ASSERT_EQ(resources->count(), 4);
    EXPECT_EQ(resources->tabText(0), QStringLiteral("Filer"));
    EXPECT_EQ(resources->tabText(1), QStringLiteral("Projekter"));
    EXPECT_EQ(resources->tabText(2), QStringLiteral("Sitemap"));
    EXPECT_EQ(resources->tabText(3), QStringLiteral("Bibliotek"));
    EXPECT_EQ(resources->width(), 220);
    EXPECT_EQ(resources->minimumWidth(), 160);

    EXPECT_FALSE(window->resultsList()->isVisible());
    EXPECT_EQ(window->resultsList()->columnCount(), 3);

    TFriendlyStatusBar *status = window->statusPanels();
    EXPECT_EQ(status->panelText(0), QStringLiteral("Dokumentet er ikke gemt"));
    EXPECT_TRUE(status->panelText(5).endsWith(QStringLiteral("      ")));
    EXPECT_FALSE(status->progressBar()->isVisible());
    EXPECT_FALSE(status->overwriteLabel()->isEnabled());
    const int dpi = window->logicalDpiX();
    EXPECT_EQ(status->panelWidth(1), qRound(100 * dpi / 96.0));
    EXPECT_EQ(status->panelWidth(0), window->width() - qRound(316 * dpi / 96.0) - qRound(210 * dpi / 96.0));

    for (int i = 1; i <= 5; ++i) {
        auto *button = docs->editorToolBar()->findChild<QAction *>(QStringLiteral("btnGaaTilBogmaerke%1").arg(i));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolTip(), QStringLiteral("Gå til bogmærke %1").arg(i));
    }

    EXPECT_EQ(window->EventMap(), QStringList{QStringLiteral("1700=body,frameset")});
    EXPECT_EQ(window->GlobalAttributeMap(), (QStringList{QStringLiteral("id=html,head"), QStringLiteral("class=html")}));
    EXPECT_EQ(window->userDataFolder(), defaultUserData());
    EXPECT_TRUE(m_prompter.seen().isEmpty());
}

TEST_F(MainWindowTest, AFirstStartTakesMostOfTheScreenCentredAndShowsTheViewsState)
{
    auto window = createWindow();
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize size(std::max(630, available.width() * 4 / 5), std::max(470, available.height() * 4 / 5));
    EXPECT_EQ(window->size(), size);
    EXPECT_EQ(window->pos(),
              available.topLeft() + QPoint((available.width() - size.width()) / 2, (available.height() - size.height()) / 2));
    // The code editor is the view shown; "Arbejd offline" is on as stored (the default).
    EXPECT_TRUE(window->command(QStringLiteral("actKodeeditor"))->isChecked());
    EXPECT_TRUE(window->command(QStringLiteral("actArbejdOffline"))->isChecked());

    // A stored place wins, and so does a stored "Arbejd offline".
    m_store->writeInt(QStringLiteral("Start"), QStringLiteral("Bredde"), 700);
    m_store->writeInt(QStringLiteral("Start"), QStringLiteral("Højde"), 500);
    m_store->writeBool(QStringLiteral("Start"), QStringLiteral("ArbejdOffline"), false);
    window = createWindow();
    EXPECT_EQ(window->size(), QSize(700, 500));
    EXPECT_FALSE(window->command(QStringLiteral("actArbejdOffline"))->isChecked());
}

TEST_F(MainWindowTest, EveryToolbarButtonHasAnIconFromTheDesktopThemeOrItsOwnDrawing)
{
    // A desktop theme that has the icon for one meaning, "document-new", and no other.
    const QString themes = m_dir.filePath(QStringLiteral("icons"));
    ASSERT_TRUE(QDir().mkpath(themes + QStringLiteral("/pwtest/16x16/actions")));
    writeFile(themes + QStringLiteral("/pwtest/index.theme"),
              "[Icon Theme]\nName=pwtest\nDirectories=16x16/actions\n\n[16x16/actions]\nSize=16\n");
    QImage themed(16, 16, QImage::Format_ARGB32);
    themed.fill(Qt::red);
    ASSERT_TRUE(themed.save(themes + QStringLiteral("/pwtest/16x16/actions/document-new.png")));
    struct ThemeInForce
    {
        const QStringList searchPaths = QIcon::themeSearchPaths();
        const QString name = QIcon::themeName();
        ~ThemeInForce()
        {
            QIcon::setThemeSearchPaths(searchPaths);
            QIcon::setThemeName(name);
        }
    } restored;
    QIcon::setThemeSearchPaths({themes});
    QIcon::setThemeName(QStringLiteral("pwtest"));
    auto window = createWindow();

    QHash<QString, QIcon> byHint;
    for (const char *bar : {"tbMain", "tbFiler1", "tbFiler2", "tbEditor"}) {
        auto *toolBar = window->findChild<QToolBar *>(QString::fromLatin1(bar));
        ASSERT_NE(toolBar, nullptr) << bar;
        for (QAction *button : toolBar->actions()) {
            if (button->isSeparator())
                continue;
            const QIcon icon = button->icon();
            const QString hint = button->toolTip();
            byHint.insert(hint, icon);
            // Drawn at the size asked for, as a drawing is, and not empty.
            const QImage large = icon.pixmap(QSize(32, 32)).toImage();
            EXPECT_EQ(large.size(), icon.name().isEmpty() ? QSize(32, 32) : QSize(16, 16)) << hint.toStdString();
            int inked = 0;
            for (int y = 0; y < large.height(); ++y) {
                for (int x = 0; x < large.width(); ++x)
                    inked += qAlpha(large.pixel(x, y)) > 0;
            }
            EXPECT_GT(inked, large.width() * large.height() / 10) << hint.toStdString();
        }
    }
    EXPECT_EQ(byHint.value(QStringLiteral("Nyt dokument")).name(), QStringLiteral("document-new"));
    EXPECT_TRUE(byHint.value(QStringLiteral("Gem")).name().isEmpty()) << "the program's own drawing where the theme has none";
    for (const char *hint : {"Fed skrift", "Henvisning", "Tabel", "Overførsel til Internet", "Tekstombrydning",
                             "Gå til bogmærke 3", "Luk dokument", "Alle filer", "Opret ny mappe"})
        EXPECT_TRUE(byHint.contains(QString::fromUtf8(hint))) << hint;
}

TEST_F(MainWindowTest, DocumentEditorsAreConfiguredAndTheGutterFollowsTheActiveOne)
{
    const QString page = m_dir.filePath(QStringLiteral("page.htm"));
    writeFile(page, "<p>x</p>");
    auto window = createWindow();
    window->show();
    DocumentArea *docs = &window->documentArea();
    TLEdit *first = docs->editorAt(0);
    EXPECT_TRUE(first->Highlight());
    EXPECT_TRUE(first->MultilineItems());
    EXPECT_EQ(first->BookmarksMax(), 6);
    EXPECT_EQ(first->UndoDepth(), 100);
    EXPECT_EQ(first->TabStopSize(), 2);
    EXPECT_EQ(first->CaretWidth(), 2);
    EXPECT_TRUE(first->WordWrap());
    EXPECT_EQ(first->ScrollBars(), TLEdit::lsbVertical);
    EXPECT_FALSE(first->IsModified());
    EXPECT_EQ(docs->gutter()->Editor(), first);

    first->SetText(QStringLiteral("typed"));
    window->OpenFiles(page + QStringLiteral("?"));
    ASSERT_EQ(docs->count(), 2);
    EXPECT_EQ(docs->editorAt(1)->objectName(), QStringLiteral("LEdit1"));
    EXPECT_EQ(docs->gutter()->Editor(), docs->editorAt(1));
    docs->setCurrentIndex(0);
    EXPECT_EQ(docs->gutter()->Editor(), first);
    EXPECT_EQ(docs->topRuler()->Offset(), docs->leftRuler()->width());
    EXPECT_GT(docs->leftRuler()->width(), QFontMetrics(docs->leftRuler()->font()).horizontalAdvance(QStringLiteral("1000")))
        << "the left ruler's numbers fit";
}

TEST_F(MainWindowTest, MissingMapsAreReportedAndLeftEmpty)
{
    QFile::remove(programFolder() + QStringLiteral("eventmap.dat"));
    QFile::remove(programFolder() + QStringLiteral("globalmap.dat"));
    m_prompter
        .expect(QStringLiteral("Brindle's Pagewick kan ikke finde ")
                + QDir::toNativeSeparators(programFolder() + QStringLiteral("eventmap.dat")))
        .expect(QStringLiteral("Brindle's Pagewick kan ikke finde ")
                + QDir::toNativeSeparators(programFolder() + QStringLiteral("globalmap.dat")));
    auto window = createWindow();
    EXPECT_TRUE(m_prompter.allAnswered());
    ASSERT_EQ(m_prompter.seen().size(), 2);
    EXPECT_EQ(m_prompter.seen()[0].caption, QStringLiteral("Brindle's Pagewick"));
    EXPECT_EQ(m_prompter.seen()[0].icon, Prompter::Icon::Warning);
    EXPECT_TRUE(window->EventMap().isEmpty());
    EXPECT_TRUE(window->GlobalAttributeMap().isEmpty());
}

TEST_F(MainWindowTest, ADeletedUserDataFolderIsReportedAndKeptInTheStore)
{
    const QString gone = m_dir.filePath(QStringLiteral("deleted-folder"));
    m_store->writeText(QStringLiteral("Indstillinger"), QStringLiteral("BrugerdataMappe"), gone);
    m_prompter.expect(QStringLiteral("Pagewick kunne ikke finde den tidligere anvendte brugerdatamappe, ") + gone
                      + QStringLiteral(". Mappen sættes til ") + defaultUserData()
                      + QStringLiteral(". Hvis brugerdata findes i en anden mappe, skal du angive stien under "
                                       "Funktioner, Indstillinger."));
    auto window = createWindow();
    window->show();
    EXPECT_EQ(m_prompter.seen().size(), 1);
    EXPECT_EQ(m_prompter.seen()[0].caption, QStringLiteral("Brugerdatamappe"));
    EXPECT_EQ(window->userDataFolder(), defaultUserData());

    closeAndReopenStore(*window);
    EXPECT_EQ(m_store->readText(QStringLiteral("Indstillinger"), QStringLiteral("BrugerdataMappe"), QString()), gone);
}

TEST_F(MainWindowTest, ANormalWindowWritesItsPlaceAndLayoutAtShutdown)
{
    m_store->writeInt(Start, QStringLiteral("FilBredde"), 0);
    m_store->writeInt(Start, QStringLiteral("Fane"), 2);
    m_store->writeText(Start, QStringLiteral("Sti"), QStringLiteral("/some/folder"));
    auto window = createWindow();
    window->showAsStored();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(window->resourcePanel()->width(), 220); // a stored width below 10 means the default
    EXPECT_EQ(window->resourcePanel()->currentIndex(), 2);

    window->move(33, 44);
    window->resize(800, 600);
    window->mainSplitter()->setSizes({300, 500});
    window->resourcePanel()->setCurrentIndex(3);
    closeAndReopenStore(*window);

    EXPECT_EQ(m_store->readInt(Start, QStringLiteral("Venstre"), 0), 33);
    EXPECT_EQ(m_store->readInt(Start, QStringLiteral("Top"), 0), 44);
    EXPECT_EQ(m_store->readInt(Start, QStringLiteral("Bredde"), 0), 800);
    EXPECT_EQ(m_store->readInt(Start, QStringLiteral("Højde"), 0), 600);
    EXPECT_EQ(m_store->readInt(Start, QStringLiteral("Status"), 0), 1);
    EXPECT_EQ(m_store->readInt(Start, QStringLiteral("FilBredde"), 0), 300);
    EXPECT_EQ(m_store->readInt(Start, QStringLiteral("Fane"), 0), 3);
    EXPECT_EQ(m_store->readText(Start, QStringLiteral("Sti"), QString()), QStringLiteral("/some/folder"));
    EXPECT_EQ(m_store->readText(Start, QStringLiteral("Filboks"), QString()), QStringLiteral("1"));
}

TEST_F(MainWindowTest, AMaximizedWindowKeepsItsNormalPlaceAndReopensMaximized)
{
    m_store->writeInt(Start, QStringLiteral("Top"), 20);
    m_store->writeInt(Start, QStringLiteral("Venstre"), 30);
    m_store->writeInt(Start, QStringLiteral("Højde"), 400);
    m_store->writeInt(Start, QStringLiteral("Bredde"), 500);
    auto window = createWindow();
    window->showAsStored();
    window->showMaximized();
    QTest::qWait(20);
    ASSERT_TRUE(window->isMaximized());
    closeAndReopenStore(*window);

    EXPECT_EQ(m_store->readInt(Start, QStringLiteral("Status"), 0), 3);
    EXPECT_EQ(m_store->readInt(Start, QStringLiteral("Top"), 0), 20);
    EXPECT_EQ(m_store->readInt(Start, QStringLiteral("Venstre"), 0), 30);
    EXPECT_EQ(m_store->readInt(Start, QStringLiteral("Højde"), 0), 400);
    EXPECT_EQ(m_store->readInt(Start, QStringLiteral("Bredde"), 0), 500);

    auto next = createWindow();
    next->showAsStored();
    QTest::qWait(20);
    EXPECT_TRUE(next->isMaximized());
}

TEST_F(MainWindowTest, SettingsThatCannotBeWrittenAreReportedAtShutdown)
{
    auto window = createWindow();
    window->show();
    ASSERT_TRUE(QDir().mkpath(iniPath() + QStringLiteral(".new/blocker")));
    m_prompter.expect(QStringLiteral("Pagewick kan ikke gemme indstillingerne i ") + QDir::toNativeSeparators(iniPath()));
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(m_prompter.allAnswered());
}

TEST_F(MainWindowTest, ASettingsFileThatCannotBeReadIsReportedAtStartAndLeftAsItIs)
{
    // A folder where the file should be: no regular file, as a pipe or a device.
    ASSERT_TRUE(QDir().mkpath(iniPath() + QStringLiteral("/inside")));
    m_store = std::make_unique<SettingsStore>(iniPath());
    m_prompter.expect(QStringLiteral("Kan ikke læse indstillingsfilen ") + QDir::toNativeSeparators(iniPath()));
    auto window = createWindow();
    window->show();
    ASSERT_EQ(m_prompter.seen().size(), 1);
    EXPECT_EQ(m_prompter.seen()[0].caption, QStringLiteral("Brindle's Pagewick"));
    EXPECT_EQ(m_prompter.seen()[0].text,
              QStringLiteral("Kan ikke læse indstillingsfilen ") + QDir::toNativeSeparators(iniPath())
                  + QStringLiteral(".\n\nPagewick starter med standardindstillingerne, og ændrede "
                                   "indstillinger gemmes ikke i filen."));
    EXPECT_EQ(m_prompter.seen()[0].icon, Prompter::Icon::Warning);

    EXPECT_TRUE(window->close()); // told once: no further message at the end
    EXPECT_EQ(m_prompter.seen().size(), 1);
    EXPECT_TRUE(QFileInfo(iniPath() + QStringLiteral("/inside")).isDir());
}

TEST_F(MainWindowTest, TheResourcePanelCanStartHiddenAndBeShownAgain)
{
    m_store->writeBool(Start, QStringLiteral("Filboks"), false);
    auto window = createWindow();
    window->showAsStored();
    EXPECT_FALSE(window->resourcePanel()->isVisible());
    auto *toggle = window->findChild<QAction *>(QStringLiteral("actResursefaner"));
    ASSERT_NE(toggle, nullptr);
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(window->resourcePanel()->isVisible());
    closeAndReopenStore(*window);
    EXPECT_TRUE(m_store->readBool(Start, QStringLiteral("Filboks"), false));
}

TEST_F(MainWindowTest, HandedOverFilesOpenInOrderAndMissingOnesAreSkipped)
{
    const QString a = m_dir.filePath(QStringLiteral("a.htm"));
    const QString b = m_dir.filePath(QStringLiteral("æøå b.html"));
    writeFile(a, "<title>A</title>");
    writeFile(b, "<title>Bl\xe5</title>"); // Windows-1252
    auto window = createWindow();
    window->show();
    window->showMinimized();

    window->receiveHandOver(a + QStringLiteral("?") + m_dir.filePath(QStringLiteral("missing.htm")) + QStringLiteral("?") + b
                            + QStringLiteral("?"));
    DocumentArea *docs = &window->documentArea();
    ASSERT_EQ(docs->count(), 2); // the empty first document was replaced
    EXPECT_EQ(docs->pathAt(0), a);
    EXPECT_EQ(docs->pathAt(1), b);
    EXPECT_EQ(docs->captionAt(0), QStringLiteral("A"));
    EXPECT_EQ(docs->captionAt(1), QStringLiteral("Blå"));
    EXPECT_EQ(docs->editorAt(1)->GetText(), QStringLiteral("<title>Blå</title>"));
    EXPECT_EQ(docs->currentIndex(), 1);
    EXPECT_FALSE(window->isMinimized());

    // Opening a file that is open already selects its tab.
    window->receiveHandOver(a + QStringLiteral("?"));
    EXPECT_EQ(docs->count(), 2);
    EXPECT_EQ(docs->currentIndex(), 0);

    // Nothing, or nothing but separators, opens nothing.
    window->receiveHandOver(QString());
    window->receiveHandOver(QStringLiteral("???"));
    EXPECT_EQ(docs->count(), 2);
    EXPECT_TRUE(m_prompter.seen().isEmpty());
}

TEST_F(MainWindowTest, ASecondProgramStartHandsItsFilesToThisWindow)
{
    const QString a = m_dir.filePath(QStringLiteral("first.htm"));
    const QString b = m_dir.filePath(QStringLiteral("second.htm"));
    writeFile(a, "A");
    writeFile(b, "B");
    const QString configHome = m_dir.filePath(QStringLiteral("xdg-config"));
    SingleInstance instance(configHome + QStringLiteral("/Pagewick/Pagewick.ini"));
    ASSERT_EQ(instance.claim(QString()), SingleInstance::Role::Primary);
    auto window = createWindow();
    window->show();
    QObject::connect(&instance, &SingleInstance::filesHandedOver, window.get(), &TfrmPW4::receiveHandOver);
    instance.startDelivering();

    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_dir.filePath(QStringLiteral("xdg-data")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(env);
    second.setWorkingDirectory(m_dir.path());
    // The second path is relative to the second start's working folder.
    second.start(QStringLiteral(PAGEWICK_BIN_DIR "/pagewick"), {a, QStringLiteral("second.htm")});
    ASSERT_TRUE(second.waitForStarted());
    ASSERT_TRUE(waitUntil([&] { return second.state() == QProcess::NotRunning; }, 20000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);

    DocumentArea *docs = &window->documentArea();
    ASSERT_EQ(docs->count(), 2);
    EXPECT_EQ(docs->pathAt(0), a);
    EXPECT_EQ(docs->pathAt(1), b);
    EXPECT_FALSE(QFile::exists(configHome + QStringLiteral("/Pagewick/Pagewick.ini")));
}

} // namespace
