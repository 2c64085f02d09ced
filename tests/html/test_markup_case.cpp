#include "PlainConversions.h"
#include "html/AsciiText.h"
#include "html/MarkupCase.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

enum Mode { Upper, Lower, Xhtml };

QString convert(const QString &text, Mode mode)
{
    return ConvertMarkupCase(text, mode == Upper, mode == Xhtml);
}

struct Case
{
    Mode mode;
    const char *text;
    const char *result;
};

void expectCases(std::initializer_list<Case> cases)
{
    for (const Case &c : cases) {
        EXPECT_EQ(convert(u(c.text), c.mode), u(c.result)) << c.text << " mode " << c.mode;
        EXPECT_EQ(Plain::markupCase(u(c.text), c.mode == Upper, c.mode == Xhtml), u(c.result)) << c.text;
    }
}

TEST(MarkupCase, NamesChangeCaseAndValuesKeepTheirs)
{
    expectCases({
        {Lower, "<P Class=\"Intro\">Tekst</P>", "<p class=\"Intro\">Tekst</p>"},
        {Upper, "<a href=\"Side.htm\">Se</a>", "<A HREF=\"Side.htm\">Se</A>"},
        {Upper, "<td width=Fifty align=left>", "<TD WIDTH=Fifty ALIGN=left>"},
        // Single quotes are no quotes: the value ends at the blank.
        {Upper, "<a title='x y'>", "<A TITLE='x Y'>"},
        // A quoted ">" does not end the tag.
        {Lower, "<A TITLE=\"x>Y\" HREF=B>", "<a title=\"x>Y\" href=B>"},
        // A quoted word without a name is a value too.
        {Upper, "<p \"Ab Cd\" ef>", "<P \"Ab Cd\" EF>"},
        {Lower, "<ÆBLE Å=1>", "<Æble Å=1>"},
        {Lower, "Ingen KODER her", "Ingen KODER her"},
        {Xhtml, "Ingen <KODER", "Ingen <koder"},
        // Line breaks separate names and end unquoted values like blanks.
        {Upper, "<td width=5\nalign=left>", "<TD WIDTH=5\nALIGN=left>"},
    });
}

TEST(MarkupCase, CommentsServerBlocksAndScriptsKeepTheirText)
{
    expectCases({
        {Upper, "<!-- Kommentar <b> --><b>x</b>", "<!-- Kommentar <b> --><B>x</B>"},
        {Upper, "<% If a Then %><b>", "<% If a Then %><B>"},
        {Upper, "<?php echo \"a>b\"; ?><i>", "<?php echo \"a>b\"; ?><I>"},
        {Lower, "<SCRIPT Type=\"text/javascript\">if (a<b) Document.Write(\"<B>\");</SCRIPT><P>",
         "<script type=\"text/javascript\">if (a<b) Document.Write(\"<B>\");</script><p>"},
        {Upper, "<script>x = \"<b>\";</script>", "<SCRIPT>x = \"<b>\";</SCRIPT>"},
        // After the script's end tag the scan is back to normal.
        {Upper, "<script></script><script>a<b</script><i>", "<SCRIPT></SCRIPT><SCRIPT>a<b</SCRIPT><I>"},
    });
}

TEST(MarkupCase, XhtmlClosesEmptyElementsAndQuotesValues)
{
    expectCases({
        {Xhtml, "<HR SIZE=2>", "<hr size=\"2\" />"},
        {Xhtml, "<INPUT TYPE=\"text\" />", "<input type=\"text\" />"},
        {Xhtml, "<input type=text/>", "<input type=\"text\"/>"},
        {Xhtml, "<BR>tekst<br/>", "<br />tekst<br/>"},
        {Xhtml, "<td width=50% nowrap>", "<td width=\"50%\" nowrap>"},
        {Xhtml, "<IMG\nSRC=a.gif>", "<img\nsrc=\"a.gif\" />"},
        {Xhtml, "<p class=>", "<p class=\"\">"},
        {Xhtml, "<hr/ >", "<hr/  />"},
        {Xhtml, "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">", "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01//EN\">"},
        {Xhtml, "<BR><!-- <br> -->", "<br /><!-- <br> -->"},
    });
}

TEST(MarkupCase, UnfinishedMarkupLosesNothing)
{
    expectCases({
        {Upper, "<a href=\"x>tekst", "<A HREF=\"x>tekst"}, // a quote never closed: the next ">" ends the tag
        {Upper, "<a href=\"x tekst", "<A HREF=\"x tekst"}, // no ">" at all: the tag runs to the end
        {Lower, "tekst <", "tekst <"},
        {Upper, "<!-- aldrig slut <b>", "<!-- aldrig slut <b>"},
        {Upper, "<!-- aldrig slut <b> tekst <i>", "<!-- aldrig slut <b> tekst <I>"},
        {Upper, "<% aldrig slut", "<% aldrig slut"},
        {Upper, "<? aldrig > slut", "<? aldrig > slut"},
        {Upper, "<script>var a = \"<b>\";", "<SCRIPT>var a = \"<b>\";"},
        {Upper, "<script>a</script", "<SCRIPT>a</SCRIPT"},
        {Upper, "a > b <i>", "a > b <I>"},
    });
}

// The one-pass scan and the plain one that searches again after every tag
// agree on texts made of every kind of markup fragment.
TEST(MarkupCase, OnePassEqualsSearchingAgainAfterEveryTag)
{
    const QStringList pieces = {
        u("<"),         u(">"),
        u("\""),        u("="),
        u(" "),         u("\n"),
        u("a"),         u("B"),
        u("/"),         u("-"),
        u("!"),         u("<!--"),
        u("-->"),       u("<?"),
        u("?>"),        u("<%"),
        u("%>"),        u("<script"),
        u("</script>"), u("<SCRIPT>"),
        u("</SCRIPT"),  u("hr"),
        u("<br"),       u("<IMG "),
        u("x=y"),       u("<!DOCTYPE html public"),
        u("æ"),         u("\t"),
    };
    QRandomGenerator random(11);
    for (int round = 0; round < 3000; ++round) {
        const QString text = Plain::randomText(random, pieces, 1 + round % 40);
        for (Mode mode : {Upper, Lower, Xhtml})
            ASSERT_EQ(convert(text, mode), Plain::markupCase(text, mode == Upper, mode == Xhtml))
                << qPrintable(text) << " mode " << mode;
    }
}

TEST(MarkupCase, OnlyCaseChangesWithoutXhtml)
{
    QString binary;
    for (int c = 0; c < 0x10000; c += 5)
        binary += QChar(char16_t(c));
    binary += u("<A B=\"C\">");
    for (bool upper : {true, false}) {
        const QString out = ConvertMarkupCase(binary, upper, false);
        EXPECT_EQ(AsciiText::lowered(out), AsciiText::lowered(binary));
        EXPECT_EQ(out, ConvertMarkupCase(binary, upper, false)); // the same every time
    }
}

// Texts that would make a scan that looks ahead afresh for every tag take
// time quadratic in their length; these end in one pass.
TEST(MarkupCase, MegabyteLinesOfAwkwardMarkup)
{
    const QString tags = u("<A HREF=x>").repeated(100000);
    EXPECT_EQ(ConvertMarkupCase(tags, false, true), u("<a href=\"x\">").repeated(100000));
    // Every ">" is inside quotes counted from any tag start.
    const QString quotes = u("<\">\"").repeated(250000);
    EXPECT_EQ(ConvertMarkupCase(quotes, true, false), quotes);
    const QString comments = u("<!--").repeated(250000);
    EXPECT_EQ(ConvertMarkupCase(comments, true, false), comments);
    const QString scripts = u("<script>").repeated(125000);
    // A script that never ends keeps everything after its start tag.
    EXPECT_EQ(ConvertMarkupCase(scripts, true, false), u("<SCRIPT>") + u("<script>").repeated(124999));
}

QString joinedPieces(QStringView text, bool upper, bool xhtml, int &pieces)
{
    QString joined;
    pieces = 0;
    ConvertMarkupCase(text, upper, xhtml, [&](QStringView piece) {
        joined += piece;
        ++pieces;
    });
    return joined;
}

// Megabytes handed on in pieces are converted as the whole text is, the
// doctype too wherever it first is.
TEST(MarkupCase, InPiecesTheTextIsConvertedAsAWhole)
{
    const QString page = u("<P ALIGN=center>Blåbær<BR><IMG SRC=x.png></P>\n").repeated(40000);
    const QString doctype = u("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\n");
    const QString script = u("<SCRIPT>var s = \"<!DOCTYPE HTML PUBLIC\" + '<B>';</SCRIPT>\n");
    const QString texts[] = {
        doctype + page + doctype,
        page + script + page + doctype + page, // the first doctype in a script, pieces later
        page + u("<!-- ") + page + u(" -->") + page, // a comment over several pieces
        page + u("<A HREF=\"") + page, // a tag that never ends
        u("Blåbær ").repeated(300000), // no markup at all
    };
    for (const QString &text : texts) {
        for (const auto &[upper, xhtml] : {std::pair(true, false), std::pair(false, false), std::pair(false, true)}) {
            int pieces = 0;
            EXPECT_TRUE(joinedPieces(text, upper, xhtml, pieces) == ConvertMarkupCase(text, upper, xhtml))
                << text.size() << upper << xhtml;
            EXPECT_GE(pieces, text.contains(QLatin1Char('<')) ? 2 : 1);
        }
    }
}

} // namespace
