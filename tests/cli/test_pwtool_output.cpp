// Standard output that does not take what pwtool writes: the run fails with
// exit code 2 and says why in Danish, however little or much was written.
#include "PwtoolFixture.h"

namespace {

class OutputTest : public PwtoolTest
{
};

TEST_F(OutputTest, AFullDiskOnStandardOutputFailsTheRun)
{
    writeFile(QStringLiteral("small.html"), "<BODY><A HREF=\"side.html\">Bl\xC3\xA5</A></BODY>");
    // More than any buffer holds, so writes fail before the end.
    writeFile(QStringLiteral("large.html"), "<BODY>" + QByteArray(4 << 20, 'x') + "</BODY>");
    const QStringList runs[] = {
        {QStringLiteral("convert"), QStringLiteral("strip"), QStringLiteral("--stdout"), QStringLiteral("small.html")},
        {QStringLiteral("convert"), QStringLiteral("tags-lower"), QStringLiteral("--stdout"), QStringLiteral("large.html"),
         QStringLiteral("small.html")},
        {QStringLiteral("check"), QStringLiteral("small.html")},
        {QStringLiteral("links"), QStringLiteral("small.html")},
        {QStringLiteral("--help")},
    };
    for (const QStringList &arguments : runs) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        const ToolRun result = runWithOutputTo(QStringLiteral("/dev/full"), arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.err,
                  QStringLiteral("pwtool: Kan ikke skrive resultatet på standard-output: der er ikke mere plads på drevet.\n"));
    }
    EXPECT_EQ(readFile(QStringLiteral("small.html")), "<BODY><A HREF=\"side.html\">Bl\xC3\xA5</A></BODY>");
}

} // namespace
