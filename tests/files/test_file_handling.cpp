#include "files/FileClasses.h"
#include "files/FileProtection.h"
#include "support/ScriptedPrompter.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(FileClasses, MaskListsMatchNamesIgnoringCase)
{
    const QString html = QStringLiteral("*.*htm*;*.asp;*.inc;*.php");
    const struct
    {
        const char *path;
        const char *masks;
        bool matches;
    } cases[] = {
        {"/s/index.htm", nullptr, true},
        {"/s/INDEX.HTML", nullptr, true},
        {"/s/a.shtml", nullptr, true},
        {"/s/side.php", nullptr, true},
        {"/s/style.css", nullptr, false},
        {"/s/htm", nullptr, false},
        {"/s/setup.exe", "*.exe,*.zip", true},
        {"/s/x.zip", "*.exe,*.zip", true},
        {"/s/a.js", "*.js;*.java;*.cgi;*.pl", true},
        {"/s/a.json", "*.js;*.java;*.cgi;*.pl", false},
        {"/s/a.txt", "", false},
    };
    for (const auto &c : cases) {
        const QString masks = c.masks ? QString::fromUtf8(c.masks) : html;
        EXPECT_EQ(FileClasses::MatchesMaskList(QString::fromUtf8(c.path), masks), c.matches) << c.path;
    }
    EXPECT_TRUE(FileClasses::isStylesheet(QStringLiteral("/a/B.CSS")));
    EXPECT_TRUE(FileClasses::isTemplate(QStringLiteral("/a/ny.pws")));
    EXPECT_TRUE(FileClasses::isTextFile(QStringLiteral("/a/noter.txt")));
}

TEST(FileProtection, AWriteProtectedFileIsFreedOnlyWhenTheUserAgrees)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("side.htm"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ScriptedPrompter prompter;
    EXPECT_FALSE(EnsureWritable(path, false, prompter)); // writable: no question
    EXPECT_FALSE(EnsureWritable(dir.filePath(QStringLiteral("missing.htm")), false, prompter));

    const auto readOnly = QFileDevice::ReadOwner | QFileDevice::ReadUser | QFileDevice::ReadGroup;
    ASSERT_TRUE(file.setPermissions(readOnly));
    prompter.expect(QStringLiteral("Filen ") + path
                        + QStringLiteral(" er skrivebeskyttet. Ønsker du, at "
                                         "Brindle's Pagewick skal fjerne skrivebeskyttelsen?"),
                    Prompter::No);
    EXPECT_TRUE(EnsureWritable(path, false, prompter));
    EXPECT_FALSE(QFile::permissions(path).testFlag(QFileDevice::WriteOwner));
    EXPECT_EQ(prompter.seen().last().caption, QStringLiteral("Skrivebeskyttet"));

    prompter.expect(QStringLiteral("skrivebeskyttet"), Prompter::Yes);
    EXPECT_FALSE(EnsureWritable(path, false, prompter));
    EXPECT_TRUE(QFile::permissions(path).testFlag(QFileDevice::WriteOwner));

    ASSERT_TRUE(file.setPermissions(readOnly));
    EXPECT_FALSE(EnsureWritable(path, true, prompter)); // quiet: no question
    EXPECT_TRUE(prompter.allAnswered());
}

} // namespace
