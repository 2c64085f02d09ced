#include "preview/ExternalBrowsers.h"

#include "support/QtPrinters.h"
#include "support/WaitUntil.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using ExternalBrowsers::Route;

class ExternalBrowsersTest : public ::testing::Test
{
protected:
    // A browser that writes the arguments it was started with to a file.
    QString recordingBrowser(const QString &name)
    {
        const QString path = m_dir.filePath(name);
        QFile script(path);
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n");
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);
        return path;
    }
    QString missing() const { return m_dir.filePath(QStringLiteral("gone/browser")); }

    QTemporaryDir m_dir;
};

TEST_F(ExternalBrowsersTest, RouteFollowsTheRegisteredPrograms)
{
    const QString one = recordingBrowser(QStringLiteral("one"));
    const QString two = recordingBrowser(QStringLiteral("two"));
    EXPECT_EQ(ExternalBrowsers::route({}, true), Route::DesktopDefault);
    EXPECT_EQ(ExternalBrowsers::route({{QStringLiteral("A"), missing()}}, true), Route::AskToRegister);
    EXPECT_EQ(ExternalBrowsers::route({{QStringLiteral("A"), one}}, true), Route::FirstBrowser);
    EXPECT_EQ(ExternalBrowsers::route({{QStringLiteral("A"), one}, {QStringLiteral("B"), two}}, true), Route::Menu);
    EXPECT_EQ(ExternalBrowsers::route({{QStringLiteral("A"), one}, {QStringLiteral("B"), two}}, false), Route::FirstBrowser);
    EXPECT_EQ(ExternalBrowsers::route({{QStringLiteral("A"), one}, {QStringLiteral("B"), missing()}}, true), Route::FirstBrowser);
}

TEST_F(ExternalBrowsersTest, ProgramsAreFilesOrNamesOnTheSearchPath)
{
    const QString one = recordingBrowser(QStringLiteral("one"));
    EXPECT_EQ(ExternalBrowsers::resolveProgram(one), one);
    EXPECT_EQ(ExternalBrowsers::resolveProgram(QStringLiteral("sh")).isEmpty(), false);
    EXPECT_TRUE(ExternalBrowsers::resolveProgram(missing()).isEmpty());
    EXPECT_TRUE(ExternalBrowsers::resolveProgram(QString()).isEmpty());
    // A file that is no program is no browser.
    const QString page = m_dir.filePath(QStringLiteral("page.html"));
    QFile(page).open(QIODevice::WriteOnly);
    EXPECT_TRUE(ExternalBrowsers::resolveProgram(page).isEmpty());
}

TEST_F(ExternalBrowsersTest, MenuShowsFiveNamesAtMostUpToTheFirstEmptyOne)
{
    QList<BrowserEntry> browsers;
    for (const char *name : {"A", "B", "C", "D", "E", "F"})
        browsers.append({QString::fromLatin1(name), QStringLiteral("x")});
    EXPECT_EQ(ExternalBrowsers::menuNames(browsers), QStringList({"A", "B", "C", "D", "E"}));
    browsers[2].name.clear();
    EXPECT_EQ(ExternalBrowsers::menuNames(browsers), QStringList({"A", "B"}));
}

TEST_F(ExternalBrowsersTest, LaunchGivesTheBrowserTheTargetAsOneArgument)
{
    const QString one = recordingBrowser(QStringLiteral("one"));
    const QString target = QStringLiteral("/srv/mine sider/~side.html");
    ASSERT_TRUE(ExternalBrowsers::launch({QStringLiteral("A"), one}, target));
    ASSERT_TRUE(waitUntil([&] { return QFile(one + QStringLiteral(".args")).size() > 0; }));
    QFile args(one + QStringLiteral(".args"));
    ASSERT_TRUE(args.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(args.readAll()), target + QLatin1Char('\n'));

    EXPECT_FALSE(ExternalBrowsers::launch({QStringLiteral("Borte"), missing()}, target));
    const QString failure = ExternalBrowsers::launchFailure({QStringLiteral("Borte"), missing()});
    EXPECT_TRUE(failure.contains(QStringLiteral("Borte")) && failure.contains(missing())) << failure.toStdString();
}

TEST_F(ExternalBrowsersTest, TargetsBecomeAddresses)
{
    EXPECT_EQ(ExternalBrowsers::targetUrl(QStringLiteral("/srv/a b.html")), QUrl::fromLocalFile(QStringLiteral("/srv/a b.html")));
    EXPECT_EQ(ExternalBrowsers::targetUrl(QStringLiteral("http://localhost/a%20b.html")),
              QUrl(QStringLiteral("http://localhost/a%20b.html")));
    EXPECT_EQ(ExternalBrowsers::targetUrl(QStringLiteral("C:/www/a.html")).scheme(), QStringLiteral("file"));
}

} // namespace
