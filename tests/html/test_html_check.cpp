#include "PlainConversions.h"
#include "editor/DocumentFile.h"
#include "editor/TextBuffer.h"
#include "html/HtmlCheck.h"

#include "support/QtPrinters.h"

#include <QStringEncoder>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

const QString NoErrors = u("Pagewick fandt ingen fejl i koden.");

QString more(int count, const char *first, const char *second)
{
    return u("- Der er %1 flere \"%2\" end \"%3\"\n").arg(count).arg(u(first), u(second));
}

TEST(HtmlCheck, ReportsOddLinesAndUnbalancedElements)
{
    const QStringList list = {u("html"), u("p"), u("table"), u("b")};
    const struct
    {
        const char *text;
        QStringList list;
        QString report;
    } cases[] = {
        {"", list, NoErrors},
        {"<html>\n<p>a</p>\n</html>", list, NoErrors},
        {"<b>a</b>\n<b>3 < 4</b>\n", list, u("Pagewick fandt et ulige antal \"<\" og \">\" i linierne 2.")},
        {"<\n>\n<>\n><", list, u("Pagewick fandt et ulige antal \"<\" og \">\" i linierne 1, 2.")},
        // Start tags with and without attributes count; a pre start tag is no p start tag.
        {"<p>a<p class=x>b</p><pre>c</pre>", list, more(1, "<p>", "</p>")},
        {"<p>a<p class=x>b</p><pre>c</pre>", {u("table")}, NoErrors},
        {"</b></b>", list, more(2, "</b>", "<b>")},
        {"<table><table><table>", list, more(3, "<table>", "</table>")},
        // A start tag broken right after its name is not counted: lines join without a break.
        {"<table\nborder=1>x</table>", list,
         u("Pagewick fandt et ulige antal \"<\" og \">\" i linierne 1, 2.\n") + more(1, "</table>", "<table>")},
        {"<table>\n3 < 4", list,
         u("Pagewick fandt et ulige antal \"<\" og \">\" i linierne 2.\n") + more(1, "<table>", "</table>")},
        // A name broken over several short lines counts once they are joined.
        {"<ta\nb\nle>x", list,
         u("Pagewick fandt et ulige antal \"<\" og \">\" i linierne 1, 3.\n") + more(1, "<table>", "</table>")},
        {"x</block\n\nq\nuote>",
         {u("blockquote")},
         u("Pagewick fandt et ulige antal \"<\" og \">\" i linierne 1, 4.\n") + more(1, "</blockquote>", "<blockquote>")},
        // Names in upper case are compared lower-cased.
        {"<TABLE><Table BORDER=1>", {u("TABLE")}, more(2, "<table>", "</table>")},
        {"<B>\r\n</b>\r<b>\r\n", {u("b")}, more(1, "<b>", "</b>")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CheckHtml(QStringView(u(c.text)), c.list), c.report) << c.text;
}

TEST(HtmlCheck, ScriptSectionsTakeNoPart)
{
    const QString page = u("<b>fed</b> <script>document.write(\"<b>\");\n"
                           "document.write(\"<table>\" + (a < b));\n"
                           "</script> <i>x</i>\n"
                           "tekst <SCRIPT>x('<b>')</SCRIPT> <b>\n");
    TextBuffer text(page);
    EXPECT_EQ(CheckHtml(text, {u("b"), u("table"), u("i")}), more(1, "<b>", "</b>"));
}

TEST(HtmlCheck, AtMostFiftyOneElementLines)
{
    QStringList list;
    QString page;
    for (int i = 0; i < 60; ++i) {
        list.append(u("e%1").arg(i));
        page += u("<e%1>").arg(i);
    }
    const QString report = CheckHtml(QStringView(page), list);
    EXPECT_EQ(report.count(u'\n'), MaxCheckElementLines);
    EXPECT_TRUE(report.startsWith(more(1, "<e0>", "</e0>")));
}

// The report that the plain counts give.
QString plainReport(const QString &text, const QStringList &list)
{
    const Plain::CheckCounts counts = Plain::checkCounts(text, list);
    QString lines;
    int added = 0;
    for (qsizetype i = 0; i < list.size() && added < MaxCheckElementLines; ++i) {
        const QString name = Plain::lowered(list[i]);
        const auto [starts, ends] = counts.startsAndEnds[i];
        if (name.isEmpty() || starts == ends)
            continue;
        const QString start = u'<' + name + u'>', end = u("</") + name + u'>';
        lines += starts > ends ? more(int(starts - ends), qPrintable(start), qPrintable(end))
                               : more(int(ends - starts), qPrintable(end), qPrintable(start));
        ++added;
    }
    if (counts.oddLines.isEmpty() && lines.isEmpty())
        return NoErrors;
    QStringList numbers;
    for (int line : counts.oddLines)
        numbers.append(QString::number(line));
    QString report;
    if (!numbers.isEmpty())
        report = u("Pagewick fandt et ulige antal \"<\" og \">\" i linierne %1.").arg(numbers.join(u(", ")))
            + (lines.isEmpty() ? QString() : u("\n"));
    return report + lines;
}

TEST(HtmlCheck, OnePassCountsEqualSearchingForEachName)
{
    const QStringList pieces = {
        u("<b>"),  u("</b>"), u("<B "),      u("<table"),    u(">"),      u("<"),   u("</"), u(" "),   u("\n"),
        u("\r\n"), u("\r"),   u("<script>"), u("</SCRIPT>"), u("x"),      u("tab"), u("le"), u("<p>"), u("<pre class=a>"),
        u("</p"),  u("/"),    u("<a b>"),    u("<<b>>"),     u("</a b>"), u("<td"), u("æ")};
    // Names in upper case, repeated, empty, and with a blank or ">" that no tag name holds.
    const QStringList list = {u("b"), u("TABLE"), u("p"), u("pre"), u("tab"), u(""), u("a b"), u("b>"), u("B"), u("td"), u("/b")};
    QRandomGenerator random(3);
    for (int round = 0; round < 2000; ++round) {
        const QString text = Plain::randomText(random, pieces, 60);
        ASSERT_EQ(CheckHtml(QStringView(text), list), plainReport(text, list)) << qPrintable(text);
    }
}

// Gives the bytes a piece of `pieceSize` at a time, as a file read in small reads would.
ReadBytes inPieces(const QByteArray &bytes, qsizetype pieceSize)
{
    return [bytes, pieceSize, at = qsizetype(0)](char *into, qsizetype capacity) mutable {
        const qsizetype length = std::min({pieceSize, capacity, bytes.size() - at});
        std::copy_n(bytes.constData() + at, length, into);
        at += length;
        return length;
    };
}

// The bytes of a file give the report that its text as the editor reads it
// gives, in every encoding the editor reads, whole or read a piece at a time.
void expectSameReportOnBytes(const QByteArray &bytes, const QStringList &list)
{
    const QString text = QString::fromUtf8(decodedAsUtf8(bytes, detectFileEncoding(bytes)));
    const QString expected = CheckHtml(QStringView(text), list);
    const HtmlCheckList checkList(list);
    ASSERT_EQ(CheckHtml(QByteArrayView(bytes), checkList), expected) << bytes.left(200).toStdString();
    QByteArray buffer = "memory left by another file";
    for (qsizetype pieceSize : {qsizetype(1), qsizetype(63), qsizetype(1) << 20})
        ASSERT_EQ(CheckHtml(inPieces(bytes, pieceSize), buffer, checkList), expected) << pieceSize;
}

void expectSameReportInEveryEncoding(const QString &text, const QStringList &list)
{
    const QByteArray utf8 = text.toUtf8();
    expectSameReportOnBytes(utf8, list);
    expectSameReportOnBytes(QByteArrayLiteral("\xEF\xBB\xBF") + utf8, list);
    QStringEncoder windows1252("windows-1252", QStringConverter::Flag::Stateless);
    const QByteArray encoded = windows1252.encode(text);
    if (!windows1252.hasError())
        expectSameReportOnBytes(encoded, list);
}

TEST(HtmlCheck, BytesAndTextGiveTheSameReport)
{
    const QStringList list = {u("html"), u("B"), u("table"), u("td"), u("a"), u("script"), u("p"), u("pre")};
    const char *texts[] = {
        "",
        "<html>\n<b>blåbærgrød</b> <b>ÆØÅ\n</html>",
        "<p>日本語 <b>テキスト</b>\r\n<table><td>x</td>\r\n",
        "tekst <SCRIPT>document.write('<b>')</SCRIPT> <b>\n<script src=x>\nif (a < b) { x('<table>'); }\n</script> <td>",
        "</script> <b> <script> <table>\nstadig <table>\n", // the end of a section before its start
        "<!-- <b> --> <!-- <table -->\n<a href=\"x>y\">z</a>\n<a title='en \"halv'>\n<a href=\"x",
        "<table\nborder=1>\r<td\r\n>x</td>\n<",
        "<b\xc2\xa0>x</b> <b>\x01\x7f</b>\n\n\r\r\n<td>",
        "<b>\u00a0<b >€ ‰ Ÿ</b>\t<b\tclass=x>",
    };
    for (const char *text : texts)
        expectSameReportInEveryEncoding(u(text), list);
    // Bytes that are no UTF-8 are read as Windows-1252, its gaps included.
    expectSameReportOnBytes(QByteArrayLiteral("<b\x81>x</b>\x8d\n<table\x90 \x9d<td>\xe6\xf8\xe5</td>\x80"), list);
    expectSameReportOnBytes(QByteArrayLiteral("\xEF\xBB\xBF<b>\xff</b>\n<b"), list);
    // Names with a blank or ">", an empty one and one beyond ASCII.
    expectSameReportInEveryEncoding(u("<a b>x</a b> <b>> <b></b>> <æble>x</æble> <æble>"),
                                    {u("a b"), u("b>"), u(""), u("æble"), u("Æble"), u("b")});
}

// The tags are counted in a buffer that moves along the joined lines, so
// names that stand across its edges, on long pages, count as on short ones.
TEST(HtmlCheck, LongPagesCountAsTheTagsAreWritten)
{
    const QStringList pieces = {u("<b>"), u("</b>"), u("<B "),      u("<table"),    u(">"),       u("<"),    u("</"),
                                u(" "),   u("\n"),   u("\r\n"),     u("tab"),       u("le"),      u("<td>"), u("</td"),
                                u("æø"),  u("x"),    u("<script>"), u("</script>"), u("<tablex>")};
    const QStringList list = {u("b"), u("TABLE"), u("td"), u("blockquote")};
    QRandomGenerator random(17);
    for (int round = 0; round < 3; ++round) {
        const QString text = Plain::randomText(random, pieces, 60000);
        ASSERT_EQ(CheckHtml(QStringView(text), list), plainReport(text, list));
        expectSameReportInEveryEncoding(text, list);
    }
}

TEST(HtmlCheck, LongLinesAndBinaryTextAreReadWhole)
{
    const QString line = u("<b>x</b>").repeated(130000); // a line of about 1 MB
    EXPECT_EQ(CheckHtml(QString(line + u("<b>")), {u("b")}), more(1, "<b>", "</b>"));
    // Read a piece at a time, a line longer than the pieces is kept whole.
    const QString lines = line + u("<b>\n<script>") + line + u("</script><b\n>");
    const QString expected = u("Pagewick fandt et ulige antal \"<\" og \">\" i linierne 2, 3.\n") + more(2, "<b>", "</b>");
    QByteArray buffer;
    EXPECT_EQ(CheckHtml(inPieces(lines.toUtf8(), 4096), buffer, HtmlCheckList({u("b")})), expected);
    EXPECT_EQ(CheckHtml(QStringView(lines), {u("b")}), expected);
    QString binary;
    for (int c = 0; c < 0x10000; ++c)
        binary += QChar(char16_t(c));
    const QString report = CheckHtml(QStringView(binary), {u("b")});
    EXPECT_FALSE(report.isEmpty());
    EXPECT_EQ(CheckHtml(QStringView(binary), {u("b")}), report);
}

TEST(HtmlCheck, AFailingReadGivesNoReport)
{
    // Plain names only, counted as the pieces come, and one searched for in the whole text.
    for (const QStringList &names : {QStringList{u("b")}, QStringList{u("b"), u("a b")}}) {
        qsizetype reads = 0;
        const ReadBytes failingSecondRead = [&reads](char *into, qsizetype capacity) -> qsizetype {
            if (++reads > 1)
                return -1;
            const qsizetype length = std::min<qsizetype>(capacity, 3);
            std::copy_n("<b>", length, into);
            return length;
        };
        QByteArray buffer;
        EXPECT_EQ(CheckHtml(failingSecondRead, buffer, HtmlCheckList(names)), std::nullopt) << names.join(u(",")).toStdString();
    }
}

} // namespace
