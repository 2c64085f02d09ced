// pwtool links: the reference scanner's rows as tab-separated lines.
#include "PwtoolFixture.h"

#include "files/FileTexts.h"

namespace {

class LinksTest : public PwtoolTest
{
};

TEST_F(LinksTest, EveryReferenceIsOneRowOfTargetDescriptionKindAndSize)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("sub")));
    writeFile(QStringLiteral("sub/pic.gif"), QByteArray(1536, 'x'));
    writeFile(QStringLiteral("l.html"),
              "<html><head><script src=\"app.js\"></script></head>\r\n<body>\r\n"
              "<a href=\"http://example.com/\">Eksempel\r\nside</a> <a href=\"mailto:a@b.dk\">Skriv</a>\r\n"
              "<img src=\"sub/pic.gif\" alt=\"Bl&aring;t\">\r\n<a name=\"ned\"></a>\r\n</body></html>\r\n");
    const ToolRun result = run({QStringLiteral("links"), QStringLiteral("l.html")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    // A link text over two lines stays on one row; internal targets (entry 11) are not listed.
    EXPECT_EQ(QString::fromUtf8(result.out),
              QStringLiteral("http://example.com/\tEksempel side\tWeb\t\n"
                             "mailto:a@b.dk\tSkriv\tE-mail\t\n"
                             "app.js\t\tSkript\t\n"
                             "sub/pic.gif\tBlåt\tGrafik\t")
                  + FormatSize(1536) + QStringLiteral("\n"));
}

TEST_F(LinksTest, TheUsersScriptFilterDecidesWhatIsAScript)
{
    writeFile(QStringLiteral("l.html"), "<script src=\"tool.vbs\"></script>");
    writeSetting(path(QStringLiteral("vbs.ini")), QStringLiteral("Skriptfilter"), QStringLiteral("*.vbs"));
    EXPECT_EQ(run({QStringLiteral("links"), QStringLiteral("l.html")}).out, "tool.vbs\t\tLokal\t\n");
    EXPECT_EQ(
        run({QStringLiteral("links"), QStringLiteral("--settings"), QStringLiteral("vbs.ini"), QStringLiteral("l.html")}).out,
        "tool.vbs\t\tSkript\t\n");
}

TEST_F(LinksTest, AMissingFileExitsTwo)
{
    const ToolRun result = run({QStringLiteral("links"), QStringLiteral("missing.html")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_TRUE(result.err.contains(QStringLiteral("missing.html")));
}

} // namespace
