// pwtool date: the automatic update date as saving keeps it, without questions.
#include "PwtoolFixture.h"

#include <QDate>

namespace {

QByteArray todaysLine()
{
    return "<!-- Pagewick AutoDato -->Opdateret d. " + QDate::currentDate().toString(QStringLiteral("d.M.yyyy")).toUtf8()
        + "<!-- PW -->";
}

class DateTest : public PwtoolTest
{
};

TEST_F(DateTest, AnOldDateIsRefreshedAndAPageWithoutOneIsLeftAlone)
{
    writeFile(QStringLiteral("dated.html"),
              "<body>\r\n<!-- Pagewick AutoDato -->Opdateret d. 1.1.2000<!-- PW -->\r\n</body>\r\n");
    writeFile(QStringLiteral("plain.html"), "<body>\r\n</body>\r\n");
    const ToolRun result = run({QStringLiteral("date"), QStringLiteral("dated.html"), QStringLiteral("plain.html")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.err.isEmpty());
    EXPECT_EQ(readFile(QStringLiteral("dated.html")), "<body>\r\n" + todaysLine() + "\r\n</body>\r\n");
    EXPECT_EQ(readFile(QStringLiteral("plain.html")), "<body>\r\n</body>\r\n");
}

TEST_F(DateTest, InsertPutsTheDateLineBeforeTheBodyEndOnceAndRespectsARefusal)
{
    const QByteArray refused = "<head><!-- Minus AutoDato -->\r\n</head><body>\r\n</body>\r\n";
    writeFile(QStringLiteral("page.html"), "<html><body>\r\n<p>Tekst</p>\r\n</BODY></html>\r\n");
    writeFile(QStringLiteral("refused.html"), refused);
    const QByteArray expected = "<html><body>\r\n<p>Tekst</p>\r\n" + todaysLine() + "\r\n</BODY></html>\r\n";

    ToolRun result = run(
        {QStringLiteral("date"), QStringLiteral("--insert"), QStringLiteral("page.html"), QStringLiteral("refused.html")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(readFile(QStringLiteral("page.html")), expected);
    EXPECT_EQ(readFile(QStringLiteral("refused.html")), refused);

    result = run({QStringLiteral("date"), QStringLiteral("--insert"), QStringLiteral("page.html")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(readFile(QStringLiteral("page.html")), expected);
}

TEST_F(DateTest, TheDateFormatComesFromTheSettings)
{
    writeFile(QStringLiteral("page.htm"), "<body></body>");
    writeSetting(path(QStringLiteral("format.ini")), QStringLiteral("Datoformat"), QStringLiteral("\"Rettet\" yyyy"));
    const ToolRun result = run({QStringLiteral("date"), QStringLiteral("--insert"), QStringLiteral("--settings"),
                                QStringLiteral("format.ini"), QStringLiteral("page.htm")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(readFile(QStringLiteral("page.htm")),
              "<body><!-- Pagewick AutoDato -->Rettet " + QByteArray::number(QDate::currentDate().year())
                  + "<!-- PW -->\n</body>");
}

TEST_F(DateTest, ABrokenDateIsToldAndLeftAsItWas)
{
    const QByteArray broken = "<body>\r\n<!-- Pagewick AutoDato -->Opdateret d. 1.1.2000\r\n</body>\r\n";
    writeFile(QStringLiteral("broken.html"), broken);
    const ToolRun result = run({QStringLiteral("date"), QStringLiteral("--insert"), QStringLiteral("broken.html")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(readFile(QStringLiteral("broken.html")), broken);
    EXPECT_TRUE(result.err.contains(QStringLiteral("ødelagt")));
}

TEST_F(DateTest, OnlyHtmlFilesByTheUsersFilterAreDated)
{
    writeFile(QStringLiteral("notes.txt"), "<body></body>");
    writeFile(QStringLiteral("page.shtml"), "<body></body>");
    writeSetting(userSettingsPath(), QStringLiteral("HTMLfilter"), QStringLiteral("*.txt"));
    const ToolRun result = run(
        {QStringLiteral("date"), QStringLiteral("--insert"), QStringLiteral("notes.txt"), QStringLiteral("page.shtml")});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(readFile(QStringLiteral("notes.txt")).contains("AutoDato"));
    EXPECT_EQ(readFile(QStringLiteral("page.shtml")), "<body></body>");
    EXPECT_TRUE(result.err.contains(QStringLiteral("page.shtml er ikke en HTML-fil")));
}

TEST_F(DateTest, AFolderGivenAsAFileExitsTwo)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("folder.html")));
    const ToolRun result = run({QStringLiteral("date"), QStringLiteral("folder.html")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.contains(QStringLiteral("Kan ikke læse filen folder.html.")));
}

} // namespace
