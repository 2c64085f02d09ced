// pwtool's command line: the Danish help and the refusals of bad arguments.
#include "PwtoolFixture.h"

namespace {

class ArgumentsTest : public PwtoolTest
{
};

TEST_F(ArgumentsTest, HelpIsDanishAndExitsZero)
{
    for (const QStringList &arguments :
         {QStringList{QStringLiteral("--help")}, QStringList{QStringLiteral("check"), QStringLiteral("-h")}}) {
        const ToolRun result = run(arguments);
        EXPECT_EQ(result.exitCode, 0);
        const QString help = QString::fromUtf8(result.out);
        EXPECT_TRUE(help.startsWith(QStringLiteral("Brug: pwtool KOMMANDO")));
        for (const char *word : {"check", "convert", "date", "links", "--stdout", "--insert", "--settings", "xhtml", "strip"})
            EXPECT_TRUE(help.contains(QLatin1String(word))) << word;
    }
}

TEST_F(ArgumentsTest, BadArgumentsAreRefusedInDanishWithExitTwo)
{
    writeFile(QStringLiteral("a.html"), "<body></body>");
    const struct
    {
        QStringList arguments;
        const char *message;
    } cases[] = {
        {{}, "Angiv en kommando"},
        {{QStringLiteral("upload"), QStringLiteral("a.html")}, "Ukendt kommando: upload"},
        {{QStringLiteral("check"), QStringLiteral("--dry-run"), QStringLiteral("a.html")}, "--dry-run kan ikke bruges med check"},
        {{QStringLiteral("check")}, "Angiv mindst én fil."},
        {{QStringLiteral("check"), QStringLiteral("--fast"), QStringLiteral("a.html")}, "Ukendt tilvalg: --fast"},
        {{QStringLiteral("check"), QStringLiteral("--stdout"), QStringLiteral("a.html")}, "--stdout kan ikke bruges med check"},
        {{QStringLiteral("date"), QStringLiteral("--stdout"), QStringLiteral("a.html")}, "--stdout kan ikke bruges med date"},
        {{QStringLiteral("convert"), QStringLiteral("--insert"), QStringLiteral("xhtml"), QStringLiteral("a.html")},
         "--insert kan ikke bruges med convert"},
        {{QStringLiteral("convert")}, "Angiv, hvilken konvertering"},
        {{QStringLiteral("convert"), QStringLiteral("xhtml")}, "Angiv mindst én fil."},
        {{QStringLiteral("convert"), QStringLiteral("rot13"), QStringLiteral("a.html")}, "Ukendt konvertering: rot13"},
        {{QStringLiteral("links"), QStringLiteral("a.html"), QStringLiteral("a.html")}, "links tager præcis én fil."},
        {{QStringLiteral("check"), QStringLiteral("a.html"), QStringLiteral("--settings")},
         "--settings skal efterfølges af en fil"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const ToolRun result = run(c.arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_TRUE(result.err.startsWith(QStringLiteral("pwtool: ")));
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.message))) << result.err.toStdString();
    }
    EXPECT_EQ(readFile(QStringLiteral("a.html")), "<body></body>");
}

TEST_F(ArgumentsTest, AFileNamedLikeAnOptionIsReachedAfterTheDoubleDash)
{
    writeFile(QStringLiteral("-page.html"), "<body></body>");
    const ToolRun result = run({QStringLiteral("check"), QStringLiteral("--"), QStringLiteral("-page.html")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(result.out, "-page.html\nPagewick fandt ingen fejl i koden.\n");
}

} // namespace
