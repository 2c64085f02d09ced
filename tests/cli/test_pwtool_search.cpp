// pwtool search and replace, held against grep -rnF and perl -pi on the same files.
#include "PwtoolFixture.h"

namespace {

class SearchTest : public PwtoolTest
{
protected:
    // A few small pages in two folders: Danish letters, both line breaks,
    // a last line without a break, words inside words and case variants.
    void writePages() const
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("site/sub"));
        writeFile(QStringLiteral("site/index.htm"),
                  "<html>\n<body>\n<p>Kat og kat, katten og KAT.</p>\n"
                  "<p>bl\xC3\xA5 \xC3\x86"
                  "ble og \xC3\xA6"
                  "ble</p>\n</body>\n</html>\n");
        writeFile(QStringLiteral("site/Index.htm"), "<p>kat_</p>\r\n<p>ingen</p>\r\n<p>skat kat</p>");
        writeFile(QStringLiteral("site/sub/side.html"),
                  "uden\n\nkat\n\n\xC3\x86"
                  "BLE kat\n");
        writeFile(QStringLiteral("site/sub/tom.htm"), "");
    }

    // The same command line given to pwtool and to the other program, on the
    // pages in a fixed order; grep's lines keep a CR, which pwtool leaves out.
    ToolRun pwtool(const QString &arguments) const
    {
        return runShell(QStringLiteral("cd site && \"$PWTOOL\" %1 $(find . -type f | LC_ALL=C sort)").arg(arguments),
                        QStringLiteral("C.UTF-8"));
    }
    ToolRun other(const QString &commandLine) const
    {
        return runShell(QStringLiteral("cd site && %1 $(find . -type f | LC_ALL=C sort) | tr -d '\\r'").arg(commandLine),
                        QStringLiteral("C.UTF-8"));
    }
};

TEST_F(SearchTest, PrintsWhatGrepPrints)
{
    writePages();
    for (const char *options : {"kat", "-i kat", "-w kat", "-i -w kat",
                                "\xC3\xA6"
                                "ble",
                                "-i \xC3\xA6"
                                "ble",
                                "'og k'", "hund"}) {
        SCOPED_TRACE(options);
        const ToolRun ours = pwtool(QStringLiteral("search %1").arg(QString::fromUtf8(options)));
        const ToolRun grep = other(QStringLiteral("grep -rnF %1").arg(QString::fromUtf8(options)));
        EXPECT_EQ(ours.out, grep.out);
        EXPECT_EQ(ours.out.isEmpty(), qstrcmp(options, "hund") == 0);
        EXPECT_EQ(ours.exitCode, grep.out.isEmpty() ? 1 : 0);
        EXPECT_TRUE(ours.err.isEmpty()) << ours.err.toStdString();
    }
}

TEST_F(SearchTest, AMissingFileIsToldAndTheOthersAreStillSearched)
{
    writeFile(QStringLiteral("a.htm"), "kat\n");
    const ToolRun result = run(
        {QStringLiteral("search"), QStringLiteral("kat"), QStringLiteral("mangler.htm"), QStringLiteral("a.htm")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "a.htm:1:kat\n");
    EXPECT_TRUE(result.err.contains(QStringLiteral("mangler.htm: Filen findes ikke."))) << result.err.toStdString();
}

TEST_F(SearchTest, ReplacesByteForByteAsPerlDoes)
{
    writePages();
    QDir(m_dir.path()).mkpath(QStringLiteral("perl"));
    for (const char *replace : {"kat hund", "-i kat hund",
                                "'\xC3\xA6"
                                "ble' p\xC3\xA6re",
                                "og ''"}) {
        SCOPED_TRACE(replace);
        ASSERT_EQ(runShell(QStringLiteral("rm -rf perl && cp -r site perl"), QStringLiteral("C")).exitCode, 0);
        const QStringList words = QString::fromUtf8(replace).split(QLatin1Char(' '));
        const bool ignoreCase = words.first() == QLatin1String("-i");
        const QString find = words.at(ignoreCase ? 1 : 0);
        const QString with = words.at(ignoreCase ? 2 : 1);
        const ToolRun ours = pwtool(QStringLiteral("replace %1").arg(QString::fromUtf8(replace)));
        EXPECT_EQ(ours.exitCode, 0) << ours.err.toStdString();
        const ToolRun perl = runShell(QStringLiteral("cd perl && perl -pi -e 's/\\Q'%1'\\E/'%2'/g%3' $(find . -type f)")
                                          .arg(find, with, ignoreCase ? QStringLiteral("i") : QString()),
                                      QStringLiteral("C"));
        EXPECT_EQ(perl.exitCode, 0) << perl.err.toStdString();
        const ToolRun diff = runShell(QStringLiteral("diff -r site perl"), QStringLiteral("C"));
        EXPECT_EQ(diff.exitCode, 0) << diff.out.toStdString();
    }
}

TEST_F(SearchTest, ReplaceCountsPerFileMakesBackupsAndSkipsWhatItCannotRead)
{
    writeFile(QStringLiteral("index.htm"), "kat kat\n");
    writeFile(QStringLiteral("index.html"), "kat\n");
    writeFile(QStringLiteral("uden.htm"), "hund\n");
    const ToolRun result = run({QStringLiteral("replace"), QStringLiteral("--backup"), QStringLiteral("kat"),
                                QStringLiteral("mis"), QStringLiteral("index.htm"), QStringLiteral("mangler.htm"),
                                QStringLiteral("index.html"), QStringLiteral("uden.htm")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "index.htm:2\nindex.html:1\nuden.htm:0\n");
    EXPECT_TRUE(result.err.contains(QStringLiteral("mangler.htm: Filen findes ikke. Den er sprunget over.")));
    EXPECT_TRUE(result.err.contains(QStringLiteral("3 af 4 filer er behandlet; 1 er sprunget over.")));
    EXPECT_EQ(readFile(QStringLiteral("index.htm.BAK")), "kat kat\n");
    EXPECT_EQ(readFile(QStringLiteral("index.html.BAK")), "kat\n");
    EXPECT_EQ(readFile(QStringLiteral("index.htm")), "mis mis\n");
}

TEST_F(SearchTest, OptionsBelongToTheirCommand)
{
    writeFile(QStringLiteral("a.htm"), "kat\n");
    const struct
    {
        QStringList arguments;
        const char *message;
    } cases[] = {
        {{QStringLiteral("search")}, "Angiv teksten, der søges efter."},
        {{QStringLiteral("replace"), QStringLiteral("kat")}, "og teksten, den erstattes med."},
        {{QStringLiteral("search"), QStringLiteral(""), QStringLiteral("a.htm")}, "må ikke være tom"},
        {{QStringLiteral("replace"), QStringLiteral("-w"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("a.htm")},
         "-w kan ikke bruges med replace"},
        {{QStringLiteral("search"), QStringLiteral("--backup"), QStringLiteral("a"), QStringLiteral("a.htm")},
         "--backup kan ikke bruges med search"},
        {{QStringLiteral("check"), QStringLiteral("-i"), QStringLiteral("a.htm")}, "-i kan ikke bruges med check"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const ToolRun result = run(c.arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.message))) << result.err.toStdString();
    }
    EXPECT_EQ(readFile(QStringLiteral("a.htm")), "kat\n");
}

} // namespace
