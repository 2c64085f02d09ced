// The engine parts of keeping documents: recent files, titles and names.
#include "core/SettingsStore.h"
#include "documents/DocumentNaming.h"
#include "documents/RecentFiles.h"
#include "editor/TextBuffer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(RecentFiles, NewPathsGoFirstAndListedOnesMoveUpWithoutRepeating)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("s.ini")));
    for (int i = 8; i >= 1; --i)
        RecentFiles::SkrivSidsteFil(store, QStringLiteral("/f%1").arg(i));
    EXPECT_EQ(RecentFiles::HentSidsteFiler(store), (QStringList{"/f1", "/f2", "/f3", "/f4", "/f5", "/f6", "/f7", "/f8"}));

    RecentFiles::SkrivSidsteFil(store, QStringLiteral("/f5")); // reopened and closed
    EXPECT_EQ(RecentFiles::HentSidsteFiler(store), (QStringList{"/f5", "/f1", "/f2", "/f3", "/f4", "/f6", "/f7", "/f8"}));

    RecentFiles::SkrivSidsteFil(store, QStringLiteral("/new")); // the last one falls off
    EXPECT_EQ(RecentFiles::HentSidsteFiler(store), (QStringList{"/new", "/f5", "/f1", "/f2", "/f3", "/f4", "/f6", "/f7"}));

    RecentFiles::SkrivSidsteFil(store, QStringLiteral("/new")); // already first
    EXPECT_EQ(RecentFiles::HentSidsteFiler(store).size(), 8);
    EXPECT_EQ(RecentFiles::HentSidsteFiler(store).first(), QStringLiteral("/new"));
}

TEST(RecentFiles, TheListEndsAtTheFirstEmptyEntry)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("s.ini")));
    store.writeText(QStringLiteral("Filer"), QStringLiteral("Fil1"), QStringLiteral("/a"));
    store.writeText(QStringLiteral("Filer"), QStringLiteral("Fil3"), QStringLiteral("/c"));
    EXPECT_EQ(RecentFiles::HentSidsteFiler(store), QStringList{QStringLiteral("/a")});
    RecentFiles::SkrivSidsteFil(store, QStringLiteral("/c"));
    EXPECT_EQ(RecentFiles::HentSidsteFiler(store), (QStringList{"/c", "/a"})); // never twice
}

TEST(DocumentNaming, TitlesComeFromTheTitleElement)
{
    const struct
    {
        const char *text;
        const char *title;
    } cases[] = {
        {"<html><head><TITLE>  Min side </Title>", "Min side"},
        {"<title></title>", "[Ingen titel]"},
        {"<title>   </title>", "[Ingen titel]"},
        {"<title>Uafsluttet", "[Ingen titel]"},
        {"ingen titel her", "[Ingen titel]"},
        {"<title>Første</title><title>Anden</title>", "Første"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DocumentNaming::titleOf(TextBuffer(QString::fromUtf8(c.text))), QString::fromUtf8(c.title)) << c.text;
}

TEST(DocumentNaming, SaveAsHtmlAddsTheExtensionOnlyWhereNoneIsGiven)
{
    const struct
    {
        const char *name;
        const char *saved;
    } cases[] = {
        {"/site/index", "/site/index.html"}, {"/site/index.htm", "/site/index.htm"},     {"/site/side.php", "/site/side.php"},
        {"/site/a.html", "/site/a.html"},    {"/site/index.shtml", "/site/index.shtml"}, {"/site/noter.txt", "/site/noter.txt"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DocumentNaming::withHtmlExtension(QString::fromUtf8(c.name)), QString::fromUtf8(c.saved));
    EXPECT_TRUE(DocumentNaming::isTemporaryCopy(QStringLiteral("/tmp/~pwtemp3.htm")));
    EXPECT_TRUE(DocumentNaming::isTemporaryCopy(QStringLiteral("/tmp/~pwtmp3.htm"))); // the preview's copies
    EXPECT_FALSE(DocumentNaming::isTemporaryCopy(QStringLiteral("/tmp/~PWTEMP3.htm")));
}

} // namespace
