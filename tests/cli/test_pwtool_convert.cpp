// pwtool convert: the menu conversions on whole files, in place or to standard output.
#include "PwtoolFixture.h"

#include <sys/stat.h>
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

TEST_F(ConvertTest, AFileTheConversionDoesNotChangeIsLeftAloneEvenWriteProtected)
{
    writeFile(QStringLiteral("plain.html"), "<body>abc</body>");
    writeFile(QStringLiteral("text.txt"), "no markup\r\nhere");
    writeFile(QStringLiteral("locked.html"), "<body>abc</body>");
    ASSERT_TRUE(QFile::setPermissions(path(QStringLiteral("locked.html")), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    const QStringList files = {QStringLiteral("plain.html"), QStringLiteral("text.txt"), QStringLiteral("locked.html")};
    // A file written again is a new file under the old name.
    const auto inode = [&](const QString &name) {
        struct stat status;
        return ::stat(QFile::encodeName(path(name)).constData(), &status) == 0 ? status.st_ino : 0;
    };
    const ino_t plain = inode(files[0]);
    const ino_t text = inode(files[1]);

    const ToolRun unchanged = run(QStringList{QStringLiteral("convert"), QStringLiteral("danish-to-refs")} + files);
    EXPECT_EQ(unchanged.exitCode, 0);
    EXPECT_TRUE(unchanged.err.isEmpty()) << unchanged.err.toStdString();
    EXPECT_EQ(inode(files[0]), plain);
    EXPECT_EQ(inode(files[1]), text);

    // Stripping changes the pages, not the text without markup.
    const ToolRun stripped = run(QStringList{QStringLiteral("convert"), QStringLiteral("strip")} + files);
    EXPECT_EQ(stripped.exitCode, 2);
    EXPECT_EQ(stripped.err, QStringLiteral("pwtool: Filen locked.html er skrivebeskyttet og er ikke ændret.\n"));
    EXPECT_EQ(readFile(files[0]), "abc");
    EXPECT_EQ(inode(files[1]), text);
    EXPECT_EQ(readFile(files[2]), "<body>abc</body>");
}

TEST_F(ConvertTest, AWindows1252PageGainingACharacterItHasNoByteForBecomesUtf8)
{
    const QByteArray page = "<body>&rarr; \xE6</body>";
    writeFile(QStringLiteral("old.htm"), page);
    const QByteArray utf8 = "<body>\xE2\x86\x92 \xC3\xA6</body>";
    const ToolRun toStdout = run(
        {QStringLiteral("convert"), QStringLiteral("refs-to-special"), QStringLiteral("--stdout"), QStringLiteral("old.htm")});
    EXPECT_EQ(toStdout.exitCode, 0) << toStdout.err.toStdString();
    EXPECT_EQ(toStdout.out, utf8);
    EXPECT_EQ(run({QStringLiteral("convert"), QStringLiteral("refs-to-special"), QStringLiteral("old.htm")}).exitCode, 0);
    EXPECT_EQ(readFile(QStringLiteral("old.htm")), utf8);
}

// A page of megabytes is written a piece at a time; characters of two UTF-16
// units sit at every place it could be cut.
TEST_F(ConvertTest, ALargePageComesThroughWhole)
{
    const QByteArray emoji = "\xF0\x9F\x98\x80";
    const QByteArray body = emoji.repeated(600000);
    writeFile(QStringLiteral("large.html"), "\xEF\xBB\xBF<BODY>x" + body + "</BODY>");
    const ToolRun result = run(
        {QStringLiteral("convert"), QStringLiteral("tags-lower"), QStringLiteral("--stdout"), QStringLiteral("large.html")});
    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(result.out == "\xEF\xBB\xBF<body>x" + body + "</body>");
}

} // namespace
