// The external preview through the main window: the target, the browser
// menu, Shift+F11, the desktop's browser and the question to register one.
#include "core/OptionsModel.h"
#include "dialogs/settings/TfrmIndstil.h"
#include "support/MainWindowFixture.h"
#include "support/QtPrinters.h"
#include "support/WaitUntil.h"

#include <QDesktopServices>
#include <QMenu>
#include <QTabWidget>
#include <QUrl>

namespace {

// Stands in for the desktop's browser: keeps the addresses it is asked to show.
class DesktopBrowser : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> shown;
public Q_SLOTS:
    void show(const QUrl &url) { shown.append(url); }
};

class PreviewCommandsTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_desktop, "show");
    }
    void TearDown() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        MainWindowFixture::TearDown();
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }
    // A browser program that writes the arguments it was started with to "<name>.args".
    QString recordingBrowser(const QString &name)
    {
        const QString program = path(name);
        QFile script(program);
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        return program;
    }
    // What the browser was last started with; waits for it.
    QString startedWith(const QString &program)
    {
        QFile args(program + QStringLiteral(".args"));
        EXPECT_TRUE(waitUntil([&] { return args.exists() && args.size() > 0; })) << program.toStdString();
        if (!args.open(QIODevice::ReadOnly))
            return {};
        const QString text = QString::fromUtf8(args.readAll()).trimmed();
        args.remove();
        return text;
    }
    void setOptions(const std::function<void(SettingsOptions &)> &change)
    {
        SettingsOptions options = m_window->options().options();
        change(options);
        m_window->options().apply(options);
    }
    void useBrowsers(const QList<BrowserEntry> &browsers)
    {
        setOptions([&](SettingsOptions &o) { o.browsers = browsers; });
    }
    QString openPage(const QString &name)
    {
        const QString file = path(name);
        QFile page(file);
        EXPECT_TRUE(page.open(QIODevice::WriteOnly));
        page.write("<p>side</p>");
        page.close();
        m_window->documentCommands().FilAabn(file);
        return file;
    }
    QMenu *browserMenu() const { return m_window->findChild<QMenu *>(QStringLiteral("mnuBrowsere")); }

    DesktopBrowser m_desktop;
};

TEST_F(PreviewCommandsTest, TheFirstBrowserShowsTheSavedFileOrACopyOfTheModifiedText)
{
    const QString browser = recordingBrowser(QStringLiteral("browser"));
    useBrowsers({{QStringLiteral("Prøve"), browser}});
    const QString page = openPage(QStringLiteral("side.html"));
    run("actEksternBrowser");
    EXPECT_EQ(startedWith(browser), page);

    editor().SetSelection(selection(1, 0, 1, 0));
    editor().ReplaceSelection(QStringLiteral("<h1>ny</h1>"));
    run("actEksternBrowser");
    const QString copy = path(QStringLiteral("~side.html"));
    EXPECT_EQ(startedWith(browser), copy);
    QFile written(copy);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("<h1>ny</h1><p>side</p>"));
    EXPECT_TRUE(editor().IsModified());

    // The copy goes with the window.
    editor().ClearModified();
    m_window.reset();
    EXPECT_FALSE(QFile::exists(copy));
    openWindow();
}

TEST_F(PreviewCommandsTest, TheBrowserMenuOffersTheBrowsersAndShiftF11GoesStraightToTheFirst)
{
    const QString first = recordingBrowser(QStringLiteral("first"));
    const QString second = recordingBrowser(QStringLiteral("second"));
    useBrowsers({{QStringLiteral("Første"), first}, {QStringLiteral("Anden"), second}});
    const QString page = openPage(QStringLiteral("side.html"));

    run("actEksternBrowser");
    QMenu *menu = browserMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(waitUntil([&] { return menu->isVisible(); }));
    QStringList shownEntries;
    for (QAction *entry : menu->actions()) {
        if (entry->isVisible())
            shownEntries.append(entry->text());
    }
    EXPECT_EQ(shownEntries, QStringList({QStringLiteral("Første"), QStringLiteral("Anden")}));
    menu->actions().at(1)->trigger();
    menu->hide();
    EXPECT_EQ(startedWith(second), page);

    m_window->activateWindow();
    editor().setFocus();
    ASSERT_TRUE(waitUntil([&] { return QApplication::focusWidget() == &editor(); }));
    QTest::keyClick(&editor(), Qt::Key_F11, Qt::ShiftModifier);
    EXPECT_EQ(startedWith(first), page);
    EXPECT_FALSE(menu->isVisible());
}

TEST_F(PreviewCommandsTest, WithoutRegisteredBrowsersTheDesktopsBrowserShowsThePage)
{
    const QString page = openPage(QStringLiteral("side.html"));
    run("actEksternBrowser");
    EXPECT_EQ(m_desktop.shown, QList<QUrl>{QUrl::fromLocalFile(page)});
}

TEST_F(PreviewCommandsTest, AMissingFirstBrowserAsksToRegisterOne)
{
    const BrowserEntry gone{QStringLiteral("Borte"), path(QStringLiteral("gone/browser"))};
    useBrowsers({gone});
    const QString page = openPage(QStringLiteral("side.html"));

    m_prompter.expect(QStringLiteral("skal din webbrowser registreres i Pagewick"), Prompter::No);
    run("actEksternBrowser");
    EXPECT_EQ(m_desktop.shown, QList<QUrl>{QUrl::fromLocalFile(page)});

    // Yes opens the settings on "Programstier"; a browser still missing is named.
    int page_shown = -1;
    m_prompter.expect(QStringLiteral("Tilslut browser"), Prompter::Yes)
        .expectDialog(
            QStringLiteral("Indstillinger"),
            [&](QDialog &dialog) { page_shown = dialog.findChild<QTabWidget *>()->currentIndex(); }, false)
        .expect(QStringLiteral("Browseren Borte kunne ikke startes"));
    run("actEksternBrowser");
    EXPECT_EQ(page_shown, TfrmIndstil::ProgramPathsPage);
    EXPECT_EQ(m_desktop.shown.size(), 1);
}

TEST_F(PreviewCommandsTest, SavingFirstShowsTheMasterPageAndACancelledSaveShowsNothing)
{
    const QString browser = recordingBrowser(QStringLiteral("browser"));
    useBrowsers({{QStringLiteral("Prøve"), browser}});
    setOptions([](SettingsOptions &o) {
        o.saveBeforeBrowsing = true;
        o.existingDateOnly = true; // no question about an update date on saving
    });

    const QString master = openPage(QStringLiteral("forside.html"));
    run("actModerside");
    m_window->documentCommands().NewDocument();
    editor().ReplaceSelection(QStringLiteral("<p>ny</p>"));
    m_prompter.expectFiles({});
    run("actEksternBrowser");
    EXPECT_TRUE(editor().IsModified());
    EXPECT_FALSE(QFile::exists(browser + QStringLiteral(".args")));

    const QString saved = path(QStringLiteral("ny.html"));
    m_prompter.expectFiles({saved});
    run("actEksternBrowser");
    EXPECT_EQ(startedWith(browser), master);
    EXPECT_TRUE(QFile::exists(saved));
}

} // namespace

#include "test_preview_commands.moc"
