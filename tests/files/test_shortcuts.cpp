#include "files/Shortcuts.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(Shortcuts, CreatedWhenWantedAndMissingRemovedWhenNotWanted)
{
    QTemporaryDir dir;
    const Shortcuts::Places places{dir.filePath(QStringLiteral("Skrivebord")), dir.filePath(QStringLiteral("apps")),
                                   QStringLiteral("/opt/page wick/pagewick")};
    const QString desktop = dir.filePath(QStringLiteral("Skrivebord/Brindle's Pagewick.desktop"));
    const QString applications = dir.filePath(QStringLiteral("apps/pagewick.desktop"));
    ASSERT_EQ(Shortcuts::desktopEntryPath(places), desktop);
    ASSERT_EQ(Shortcuts::applicationsEntryPath(places), applications);

    EXPECT_TRUE(Shortcuts::update(places, true, false));
    ASSERT_TRUE(QFile::exists(desktop));
    EXPECT_FALSE(QFile::exists(applications));
    QFile entry(desktop);
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    EXPECT_TRUE(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=\"/opt/page wick/pagewick\" %F\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\nName=Brindle's Pagewick\n")));
    EXPECT_TRUE(QFile::permissions(desktop).testFlag(QFileDevice::ExeOwner));
    entry.close();

    // An entry the user has changed is left alone while wanted.
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nName=Mit eget\n");
    entry.close();
    EXPECT_TRUE(Shortcuts::update(places, true, true));
    EXPECT_EQ(QFileInfo(desktop).size(), qint64(strlen("[Desktop Entry]\nName=Mit eget\n")));
    EXPECT_TRUE(QFile::exists(applications));

    EXPECT_TRUE(Shortcuts::update(places, false, false));
    EXPECT_FALSE(QFile::exists(desktop));
    EXPECT_FALSE(QFile::exists(applications));
    EXPECT_TRUE(Shortcuts::update(places, false, false)); // nothing to remove
}

TEST(Shortcuts, AFolderThatCannotBeMadeIsReported)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("fil")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Shortcuts::Places places{dir.filePath(QStringLiteral("fil/under")), dir.path(), QStringLiteral("/p")};
    EXPECT_FALSE(Shortcuts::update(places, true, false));
}

} // namespace
