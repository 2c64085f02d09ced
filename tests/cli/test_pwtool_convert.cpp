// pwtool convert: the menu conversions on whole files, in place or to standard output.
#include "PwtoolFixture.h"

#include <unistd.h>

namespace {

// In UTF-8, with the editor's line breaks.
const QByteArray Page = "<HTML>\r\n"
                        "<HEAD><TITLE>Bl\xC3\xA5"
                        "b\xC3\xA6r</TITLE></HEAD>\r\n"
                        "<BODY BGCOLOR=white>\r\n"
                        "<P ALIGN=center>Bl\xC3\xA5"
                        "b\xC3\xA6rgr\xC3\xB8"
                        "d &copy; \xC2\xA9 &aring;</P>\r\n"
                        "<HR SIZE=2>\r\n"
                        "</BODY>\r\n"
                        "</HTML>\r\n";

struct ConversionCase
{
    const char *mode;
    QByteArray expected;
};

class ConvertTest : public PwtoolTest
{
};

TEST_F(ConvertTest, EachModeWritesWhatTheMenuCommandMakesOfTheDocument)
{
    const QByteArray head = "<HTML>\r\n<HEAD><TITLE>Bl\xC3\xA5"
                            "b\xC3\xA6r</TITLE></HEAD>\r\n";
    // The character conversions keep to the body and write its tags in lower case.
    const ConversionCase cases[] = {
        {"danish-to-refs",
         head
             + "<body BGCOLOR=white>\r\n<P ALIGN=center>Bl&aring;b&aelig;rgr&oslash;d &copy; \xC2\xA9 &aring;</P>\r\n"
               "<HR SIZE=2>\r\n</body>\r\n</HTML>\r\n"},
        {"refs-to-danish",
         head
             + "<body BGCOLOR=white>\r\n<P ALIGN=center>Bl\xC3\xA5"
               "b\xC3\xA6rgr\xC3\xB8"
               "d &copy; \xC2\xA9 \xC3\xA5</P>\r\n"
               "<HR SIZE=2>\r\n</body>\r\n</HTML>\r\n"},
        {"special-to-refs",
         head
             + "<body BGCOLOR=white>\r\n<P ALIGN=center>Bl&aring;b&aelig;rgr&oslash;d &copy; &copy; &aring;</P>\r\n"
               "<HR SIZE=2>\r\n</body>\r\n</HTML>\r\n"},
        {"refs-to-special",
         head
             + "<body BGCOLOR=white>\r\n<P ALIGN=center>Bl\xC3\xA5"
               "b\xC3\xA6rgr\xC3\xB8"
               "d \xC2\xA9 \xC2\xA9 \xC3\xA5</P>\r\n"
               "<HR SIZE=2>\r\n</body>\r\n</HTML>\r\n"},
        {"tags-upper", Page},
        {"tags-lower",
         "<html>\r\n<head><title>Bl\xC3\xA5"
         "b\xC3\xA6r</title></head>\r\n<body bgcolor=white>\r\n"
         "<p align=center>Bl\xC3\xA5"
         "b\xC3\xA6rgr\xC3\xB8"
         "d &copy; \xC2\xA9 &aring;</p>\r\n<hr size=2>\r\n</body>\r\n</html>\r\n"},
        {"xhtml",
         "<html>\r\n<head><title>Bl\xC3\xA5"
         "b\xC3\xA6r</title></head>\r\n<body bgcolor=\"white\">\r\n"
         "<p align=\"center\">Bl\xC3\xA5"
         "b\xC3\xA6rgr\xC3\xB8"
         "d &copy; \xC2\xA9 &aring;</p>\r\n<hr size=\"2\" />\r\n</body>\r\n</html>\r\n"},
        {"strip",
         "\r\nBl\xC3\xA5"
         "b\xC3\xA6r\r\nBl\xC3\xA5"
         "b\xC3\xA6rgr\xC3\xB8"
         "d &copy; \xC2\xA9 &aring;\r\n"},
    };
    writeFile(QStringLiteral("page.html"), Page);
    for (const ConversionCase &c : cases) {
        SCOPED_TRACE(c.mode);
        const ToolRun result = run(
            {QStringLiteral("convert"), QString::fromLatin1(c.mode), QStringLiteral("--stdout"), QStringLiteral("page.html")});
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_EQ(result.out, c.expected);
    }
    EXPECT_EQ(readFile(QStringLiteral("page.html")), Page) << "--stdout leaves the file alone";
}

TEST_F(ConvertTest, InPlaceTheNewFileReplacesTheOldByRenameAndKeepsItsPermissions)
{
    writeFile(QStringLiteral("page.html"), Page);
    ASSERT_TRUE(QFile::setPermissions(path(QStringLiteral("page.html")),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
    const QFileDevice::Permissions permissions = QFile::permissions(path(QStringLiteral("page.html")));
    // A second name for the old file: a rename leaves it with the old text,
    // a write into the file itself would change it too.
    ASSERT_EQ(::link(QFile::encodeName(path(QStringLiteral("page.html"))).constData(),
                     QFile::encodeName(path(QStringLiteral("old.html"))).constData()),
              0);

    const ToolRun result = run({QStringLiteral("convert"), QStringLiteral("tags-lower"), QStringLiteral("page.html")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_TRUE(readFile(QStringLiteral("page.html")).startsWith("<html>\r\n<head>"));
    EXPECT_EQ(readFile(QStringLiteral("old.html")), Page);
    EXPECT_EQ(QFile::permissions(path(QStringLiteral("page.html"))), permissions);
}

TEST_F(ConvertTest, AWindows1252FileStaysWindows1252)
{
    const QByteArray page = "<body><p>\xE6 &oslash; &aring;</p></body>";
    writeFile(QStringLiteral("old.htm"), page);
    const ToolRun toStdout = run(
        {QStringLiteral("convert"), QStringLiteral("refs-to-danish"), QStringLiteral("--stdout"), QStringLiteral("old.htm")});
    EXPECT_EQ(toStdout.out, "<body><p>\xE6 \xF8 \xE5</p></body>");

    const ToolRun inPlace = run({QStringLiteral("convert"), QStringLiteral("refs-to-danish"), QStringLiteral("old.htm")});
    EXPECT_EQ(inPlace.exitCode, 0);
    EXPECT_EQ(readFile(QStringLiteral("old.htm")), "<body><p>\xE6 \xF8 \xE5</p></body>");
}

TEST_F(ConvertTest, FilesThatCannotBeWrittenOrReadAreToldAndTheRestIsConverted)
{
    writeFile(QStringLiteral("locked.html"), "<BODY>\xC3\xA6</BODY>");
    writeFile(QStringLiteral("open.html"), "<BODY>\xC3\xA6</BODY>");
    ASSERT_TRUE(QFile::setPermissions(path(QStringLiteral("locked.html")), QFileDevice::ReadOwner | QFileDevice::ReadGroup));

    const ToolRun result = run({QStringLiteral("convert"), QStringLiteral("danish-to-refs"), QStringLiteral("locked.html"),
                                QStringLiteral("missing.html"), QStringLiteral("open.html")});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(readFile(QStringLiteral("locked.html")), "<BODY>\xC3\xA6</BODY>");
    EXPECT_EQ(readFile(QStringLiteral("open.html")), "<body>&aelig;</body>");
    EXPECT_TRUE(result.err.contains(QStringLiteral("locked.html er skrivebeskyttet")));
    EXPECT_TRUE(result.err.contains(QStringLiteral("missing.html findes ikke")));
}

} // namespace
