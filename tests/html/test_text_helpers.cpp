#include "editor/TextBuffer.h"
#include "files/FileTexts.h"
#include "files/SaveFirst.h"
#include "html/CommaText.h"
#include "html/DocumentTitle.h"
#include "html/ElementBuilders.h"
#include "html/TextBetween.h"
#include "support/ScriptedPrompter.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// Sizes and dates are written in Danish whatever the system's language: the
// tests run under an English one.
class TextHelpers : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(TextHelpers, SizesAreWrittenInTheUnitTheirMagnitudeCallsFor)
{
    const struct
    {
        qint64 bytes;
        const char *text;
    } cases[] = {
        {0, "0,0 KB"},          {1536, "1,5 KB"},           {1048576, "1.024,0 KB"}, // up to and including 1 MiB in KB
        {1048577, "1,0 MB"},    {1073741824, "1.024,0 MB"}, // up to and including 1 GiB in MB
        {1073741825, "1,0 GB"}, {5368709120, "5,0 GB"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatSize(c.bytes), QString::fromUtf8(c.text)) << c.bytes;
    EXPECT_EQ(FormatSize(1536, true), QStringLiteral("1,5 KB (1.536 bytes)"));
    EXPECT_EQ(ParseSize(FormatSize(-1)), ParseSize(FormatSize(0))); // a missing file sorts as empty
}

TEST_F(TextHelpers, SizeTextsReadBackInTheOrderOfTheirSizes)
{
    const struct
    {
        const char *text;
        qint64 value;
    } cases[] = {
        {"1,5 KB", 15 * 1024 / 10 + 5},
        {"2 MB", 2 * 1048576},
        {"12,34 MB", (1234LL * 1048576 / 10 + 5) / 10 + 5},
        {"1.024,0 KB", 10240LL * 1024 / 10 + 5},
        {"3,0 GB", 30LL * 1073741824 / 10 + 5},
        {"", 0},
        {"ingen tal", 0},
        {"99999999999999999999999999 GB", 9223372036854775807LL},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ParseSize(QString::fromUtf8(c.text)), c.value) << c.text;

    qint64 previous = 0;
    for (qint64 bytes :
         {0LL, 900LL, 1536LL, 20000LL, 1048576LL, 1048577LL, 3000000LL, 1073741824LL, 1073741825LL, 9000000000LL}) {
        const qint64 value = ParseSize(FormatSize(bytes));
        EXPECT_GE(value, previous) << bytes;
        previous = value;
    }
}

TEST_F(TextHelpers, TextBetweenMarkersIgnoresCase)
{
    const struct
    {
        const char *text;
        const char *between;
    } cases[] = {
        {"a<B>x y</b>c", "x y"},
        {"<b></B>", ""},
        {"</b>a<b>x</b>", ""}, // the first end comes before the start
        {"<b>x", ""},
        {"x</b>", ""},
        {"<b>", ""},
        {"", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(TextBetweenIn(QString::fromUtf8(c.text), QStringLiteral("<b>"), QStringLiteral("</b>")),
                  QString::fromUtf8(c.between))
            << c.text;
    }
}

TEST_F(TextHelpers, TextBetweenMarkersInAFileTakesTheFirstOrAll)
{
    const QString path = writeFile(QStringLiteral("a.htm"), "<T>en</t> x <t>to, tre</T> <t>uden slut");
    const QString start = QStringLiteral("<t>");
    const QString end = QStringLiteral("</t>");
    EXPECT_EQ(TextBetweenInFile(path, start, end, false), QStringLiteral("en"));
    EXPECT_EQ(TextBetweenInFile(path, start, end, true), CommaText::join({QStringLiteral("en"), QStringLiteral("to, tre")}));
    EXPECT_EQ(CommaText::split(TextBetweenInFile(path, start, end, true)).size(), 2);
    EXPECT_EQ(TextBetweenInFile(dir.filePath(QStringLiteral("mangler.htm")), start, end, false), QStringLiteral("-1"));
}

TEST_F(TextHelpers, TitlesComeFromTheFileThenTheOpenTextWithDanishLetters)
{
    const QString titled = writeFile(QStringLiteral("titel.htm"), "<TITLE> Bl&aring;b&aelig;r\r\n</title>");
    const QString untitled = writeFile(QStringLiteral("uden.htm"), "<p>ingen titel</p>");
    // Windows-1252 bytes read as the editor reads them.
    const QString latin = writeFile(QStringLiteral("latin.htm"), "<title>S\xF8ren</title>");
    TextBuffer open(QStringLiteral("<head><title>&Aring;ben &#230;ble</title></head>"));
    EXPECT_EQ(DocumentTitle(titled), QStringLiteral("Blåbær"));
    EXPECT_EQ(DocumentTitle(latin), QStringLiteral("Søren"));
    EXPECT_EQ(DocumentTitle(titled, &open), QStringLiteral("Blåbær"));
    EXPECT_EQ(DocumentTitle(untitled, &open), QStringLiteral("Åben æble"));
    EXPECT_EQ(DocumentTitle(dir.filePath(QStringLiteral("ny.htm")), &open), QStringLiteral("Åben æble"));
    EXPECT_EQ(DocumentTitle(untitled), QStringLiteral("[Ingen titel]"));
    EXPECT_EQ(DocumentTitle(dir.filePath(QStringLiteral("ny.htm"))), QStringLiteral("[Ingen titel]"));

    EXPECT_EQ(EditTitle(QStringLiteral("Billede"), false), QStringLiteral("Billede"));
    EXPECT_EQ(EditTitle(QStringLiteral("Billede"), true), QStringLiteral("Billede - redigering"));
}

TEST_F(TextHelpers, FileDatesAreEmptyForFilesThatCannotBeOpened)
{
    const QString path = writeFile(QStringLiteral("dato.htm"), "x");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2026, 2, 3), QTime(9, 5)), QFileDevice::FileModificationTime));
    file.close();
    const QString text = FileDateText(path);
    EXPECT_TRUE(text.contains(QStringLiteral("03.02.2026")) || text.contains(QStringLiteral("3.2.2026"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("09.05")) || text.contains(QStringLiteral("9.05"))) << text.toStdString();
    EXPECT_EQ(FileDateText(dir.filePath(QStringLiteral("mangler.htm"))), QString());
    // A pipe that nobody writes to is not waited for.
    const QString fifo = dir.filePath(QStringLiteral("pipe.htm"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(FileDateText(fifo), QString());
}

TEST_F(TextHelpers, BuildersWriteTheirElementsOrNothingWithoutAPath)
{
    using namespace ElementBuilders;
    const struct
    {
        QString built;
        const char *expected;
    } cases[] = {
        {stylesheetLink(QStringLiteral("css/a.css"), QStringLiteral(" /")),
         "<link rel=\"stylesheet\" href=\"css/a.css\" type=\"text/css\" />\r\n"},
        {stylesheetLink(QString(), QString()), ""},
        {scriptReference(QStringLiteral("s.js")), "<script type=\"text/javascript\" src=\"s.js\"></script>\r\n"},
        {scriptReference(QString()), ""},
        {image(QStringLiteral("b.gif"), QSize(3, 2), QString(), QString()),
         "<img src=\"b.gif\" border=\"0\" width=\"3\" height=\"2\" alt=\"\">"},
        {image(QStringLiteral("b.gif"), QSize(0, 5), QString(), QString()),
         "<img src=\"b.gif\" border=\"0\" width=\"0\" height=\"5\" alt=\"\">"},
        {image(QStringLiteral("b%1.gif"), QSize(0, 0), QStringLiteral(" usemap=\"#k\""), QStringLiteral(" /")),
         "<img src=\"b%1.gif\" border=\"0\" alt=\"\" usemap=\"#k\" />"},
        {image(QString(), QSize(3, 2), QString(), QString()), ""},
        {sound(QStringLiteral("m.mid"), QString()), "<embed type=\"audio/midi\" src=\"m.mid\" width=\"150\" height=\"70\">"},
        {sound(QString(), QStringLiteral(" /")), ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(c.built, QString::fromUtf8(c.expected));
}

TEST_F(TextHelpers, AFileReferenceIsWrittenByTheFilesKindRelativeToTheDocument)
{
    const QString document = QStringLiteral("/s/web/index.htm");
    const struct
    {
        const char *document;
        const char *file;
        const char *markup;
    } cases[] = {
        {"/s/web/index.htm", "/s/web/billeder/Logo.GIF",
         "<img src=\"billeder/Logo.GIF\" border=\"0\" width=\"3\" height=\"2\" alt=\"\" />"},
        {"/s/web/index.htm", "/s/web/foto.jpeg", "<img src=\"foto.jpeg\" border=\"0\" width=\"3\" height=\"2\" alt=\"\" />"},
        {"/s/web/index.htm", "/s/web/lyd/sang.WAV",
         "<embed type=\"audio/midi\" src=\"lyd/sang.WAV\" width=\"150\" height=\"70\" />"},
        {"/s/web/index.htm", "/s/web/stil.css", "<link rel=\"stylesheet\" href=\"stil.css\" type=\"text/css\" />\r\n"},
        {"/s/web/index.htm", "/s/web/js/kode.JS", "<script type=\"text/javascript\" src=\"js/kode.JS\"></script>\r\n"},
        {"/s/web/index.htm", "/s/andet/fil.zip", "<a href=\"../andet/fil.zip\">fil.zip</a>"},
        {"/s/web/index.htm", "/s/web/data.json", "<a href=\"data.json\">data.json</a>"},
        {"", "/x/y/side.htm", "<a href=\"side.htm\">side.htm</a>"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(
            FileReferenceMarkup(QString::fromUtf8(c.document), QString::fromUtf8(c.file), QSize(3, 2), QStringLiteral(" /")),
            QString::fromUtf8(c.markup))
            << c.file;
    }

    TextBuffer text(QStringLiteral("<p></p>"));
    text.SetSelection(SelectionRecord::at({1, 3}));
    InsertFileReference(text, document, QStringLiteral("/s/web/a.txt"), QSize(), QString());
    EXPECT_EQ(text.GetText(), QStringLiteral("<p><a href=\"a.txt\">a.txt</a></p>"));
    text.SetReadOnly(true);
    InsertFileReference(text, document, QStringLiteral("/s/web/b.txt"), QSize(), QString());
    EXPECT_FALSE(text.GetText().contains(QStringLiteral("b.txt")));
}

TEST_F(TextHelpers, AnUnsavedDocumentIsOfferedToBeSavedBeforeARelativePath)
{
    ScriptedPrompter prompter;
    QString name;
    int saves = 0;
    const auto hasName = [&] { return !name.isEmpty(); };
    const auto save = [&] {
        ++saves;
        if (saves == 2)
            name = QStringLiteral("/s/side.htm");
    };
    const QString question = QStringLiteral("Du bør gemme dokumentet, så Pagewick kan indsætte en korrekt relativ sti. "
                                            "Ønsker du at gemme dokumentet nu?");
    prompter.expect(question, Prompter::No);
    EXPECT_FALSE(EnsureSavedForRelativePath(QStringLiteral("Billede"), hasName, save, prompter));
    EXPECT_EQ(prompter.seen().last().caption, QStringLiteral("Billede"));
    EXPECT_EQ(saves, 0);
    prompter.expect(question, Prompter::Yes); // the save dialog is cancelled
    EXPECT_FALSE(EnsureSavedForRelativePath(QStringLiteral("Billede"), hasName, save, prompter));
    prompter.expect(question, Prompter::Yes);
    EXPECT_TRUE(EnsureSavedForRelativePath(QStringLiteral("Billede"), hasName, save, prompter));
    EXPECT_TRUE(EnsureSavedForRelativePath(QStringLiteral("Billede"), hasName, save, prompter)); // no question
    EXPECT_EQ(saves, 2);
    EXPECT_TRUE(prompter.allAnswered());
}

} // namespace
