// pwtool check: the HTML check's report per file, and what the exit code tells a script.
#include "PwtoolFixture.h"

namespace {

const QByteArray CleanPage = "<html>\r\n<body>\r\n<table><tr><td>1</td></tr></table>\r\n</body>\r\n</html>\r\n";
// Line 3 holds an extra "<"; two table start tags lack their end tags.
const QByteArray FaultyPage = "<html>\r\n<body>\r\n<p>1 < 2</p>\r\n<table><table>\r\n</body>\r\n</html>\r\n";
const QByteArray FaultyReport = "Pagewick fandt et ulige antal \"<\" og \">\" i linierne 3.\n"
                                "- Der er 2 flere \"<table>\" end \"</table>\"\n";

class CheckTest : public PwtoolTest
{
};

TEST_F(CheckTest, CleanFilesPrintTheirPathAndTheCleanReportAndExitZero)
{
    writeFile(QStringLiteral("a.html"), CleanPage);
    writeFile(QStringLiteral("b.html"), "");
    const ToolRun result = run({QStringLiteral("check"), QStringLiteral("a.html"), QStringLiteral("b.html")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out,
              "a.html\nPagewick fandt ingen fejl i koden.\n"
              "b.html\nPagewick fandt ingen fejl i koden.\n");
    EXPECT_TRUE(result.err.isEmpty());
}

TEST_F(CheckTest, FindingsInAnyFileExitOneWithTheReportAsTheMessageBoxShowsIt)
{
    writeFile(QStringLiteral("clean.html"), CleanPage);
    writeFile(QStringLiteral("faulty.html"), FaultyPage);
    const ToolRun result = run({QStringLiteral("check"), QStringLiteral("faulty.html"), QStringLiteral("clean.html")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "faulty.html\n" + FaultyReport + "clean.html\nPagewick fandt ingen fejl i koden.\n");
}

TEST_F(CheckTest, AFileThatCannotBeReadExitsTwoAfterCheckingTheOthers)
{
    writeFile(QStringLiteral("faulty.html"), FaultyPage);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.html")));
    const ToolRun result = run(
        {QStringLiteral("check"), QStringLiteral("missing.html"), QStringLiteral("folder.html"), QStringLiteral("faulty.html")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "faulty.html\n" + FaultyReport);
    EXPECT_TRUE(result.err.contains(QStringLiteral("Filen missing.html findes ikke.")));
    EXPECT_TRUE(result.err.contains(QStringLiteral("Kan ikke læse filen folder.html.")));
}

TEST_F(CheckTest, TheUsersCheckExclusionsLeaveElementsUncounted)
{
    writeFile(QStringLiteral("tables.html"), "<table><table>\r\n");
    writeSetting(userSettingsPath(), QStringLiteral("Kodetjek"), QStringLiteral("P, PARAM, TABLE"));
    const ToolRun result = run({QStringLiteral("check"), QStringLiteral("tables.html")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "tables.html\nPagewick fandt ingen fejl i koden.\n");
}

TEST_F(CheckTest, ASettingsFileGivenOnTheCommandLineTakesThePlaceOfTheUsersStore)
{
    // Unclosed p elements are left out by default; a store that checks them reports them.
    writeFile(QStringLiteral("para.html"), "<p>one\r\n<p>two\r\n");
    writeSetting(userSettingsPath(), QStringLiteral("Kodetjek"), QStringLiteral("P, PARAM"));
    writeSetting(path(QStringLiteral("strict.ini")), QStringLiteral("Kodetjek"), QStringLiteral("PARAM"));

    const ToolRun user = run({QStringLiteral("check"), QStringLiteral("para.html")});
    EXPECT_EQ(user.exitCode, 0);
    const ToolRun strict = run(
        {QStringLiteral("check"), QStringLiteral("--settings"), QStringLiteral("strict.ini"), QStringLiteral("para.html")});
    EXPECT_EQ(strict.exitCode, 1);
    EXPECT_EQ(strict.out, "para.html\n- Der er 2 flere \"<p>\" end \"</p>\"\n");
}

TEST_F(CheckTest, AMissingSettingsFileIsAnErrorAndAnUnreadableStoreIsNeverRewritten)
{
    writeFile(QStringLiteral("a.html"), CleanPage);
    const ToolRun missing = run(
        {QStringLiteral("check"), QStringLiteral("--settings"), QStringLiteral("none.ini"), QStringLiteral("a.html")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains(QStringLiteral("indstillingsfilen")));

    // A store the program cannot parse reads as defaults; the editor would
    // replace it at its next write, the companion tool must leave it alone.
    const QByteArray garbage = "[Indstillinger\n\"=\n";
    writeFile(QStringLiteral("broken.ini"), garbage);
    const ToolRun broken = run(
        {QStringLiteral("check"), QStringLiteral("--settings"), QStringLiteral("broken.ini"), QStringLiteral("a.html")});
    EXPECT_EQ(broken.exitCode, 0);
    EXPECT_EQ(readFile(QStringLiteral("broken.ini")), garbage);
}

TEST_F(CheckTest, AMissingLibraryIsAnError)
{
    writeFile(QStringLiteral("a.html"), CleanPage);
    m_programFolder = path(QStringLiteral("nowhere"));
    const ToolRun result = run({QStringLiteral("check"), QStringLiteral("a.html")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.contains(QStringLiteral("html4bib.dat")));
}

} // namespace
