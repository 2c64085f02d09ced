#include "core/AppFolders.h"
#include "core/SettingsStore.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(AppFolders, JoinPutsExactlyOneSeparatorBetween)
{
    const struct
    {
        const char *folder;
        const char *name;
        const char *joined;
    } cases[] = {
        {"/home/u/data", "projekt.pwp", "/home/u/data/projekt.pwp"},
        {"/home/u/data/", "projekt.pwp", "/home/u/data/projekt.pwp"},
        {"/home/u/data//", "/projekt.pwp", "/home/u/data/projekt.pwp"},
        {"/", "projekt.pwp", "/projekt.pwp"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AppFolders::join(QString::fromUtf8(c.folder), QString::fromUtf8(c.name)), QString::fromUtf8(c.joined));
}

TEST(AppFolders, ProgramFolderFollowsTheEnvironmentAndEndsWithASeparator)
{
    QTemporaryDir dir;
    qputenv("PAGEWICK_PROGRAM_DIR", dir.path().toUtf8());
    EXPECT_EQ(AppFolders::programFolder(), dir.path() + QLatin1Char('/'));
    qunsetenv("PAGEWICK_PROGRAM_DIR");
    EXPECT_TRUE(AppFolders::programFolder().endsWith(QStringLiteral("share/pagewick/")));
}

TEST(AppFolders, UserDataFolderFallsBackWhenTheStoredFolderIsGone)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("Pagewick.ini")));
    const QString fallback = dir.filePath(QStringLiteral("standard/Pagewick/"));

    // Nothing stored: the default folder, created.
    AppFolders::UserDataChoice choice = AppFolders::settleUserDataFolder(store, fallback);
    EXPECT_EQ(choice.folder, fallback);
    EXPECT_TRUE(choice.missingFolder.isEmpty());
    EXPECT_TRUE(QDir(fallback).exists());

    // A stored folder without a trailing separator is used with one.
    const QString own = dir.filePath(QStringLiteral("mine"));
    QDir().mkpath(own);
    store.writeText(QStringLiteral("Indstillinger"), QStringLiteral("BrugerdataMappe"), own);
    choice = AppFolders::settleUserDataFolder(store, fallback);
    EXPECT_EQ(choice.folder, own + QLatin1Char('/'));
    EXPECT_EQ(AppFolders::join(choice.folder, QStringLiteral("projekt.pwp")), own + QStringLiteral("/projekt.pwp"));

    // A deleted folder is named for the warning; the store keeps it.
    QDir(own).removeRecursively();
    choice = AppFolders::settleUserDataFolder(store, fallback);
    EXPECT_EQ(choice.folder, fallback);
    EXPECT_EQ(choice.missingFolder, own);
    EXPECT_EQ(store.readText(QStringLiteral("Indstillinger"), QStringLiteral("BrugerdataMappe"), QString()), own);
}

} // namespace
