#include "PlainConversions.h"
#include "editor/TextBuffer.h"
#include "html/HtmlCheck.h"

#include "support/QtPrinters.h"

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
    const QStringList pieces = {u("<b>"), u("</b>"), u("<B "), u("<table"), u(">"), u("<"), u("</"), u(" "),
                                u("\n"), u("\r\n"), u("\r"), u("<script>"), u("</SCRIPT>"), u("x"), u("tab"),
                                u("le"), u("<p>"), u("<pre class=a>"), u("</p"), u("/"), u("<a b>"), u("<<b>>"),
                                u("</a b>"), u("<td"), u("æ")};
    // Names in upper case, repeated, empty, and with a blank or ">" that no tag name holds.
    const QStringList list = {u("b"), u("TABLE"), u("p"), u("pre"), u("tab"), u(""), u("a b"), u("b>"), u("B"), u("td"),
                              u("/b")};
    QRandomGenerator random(3);
    for (int round = 0; round < 2000; ++round) {
        const QString text = Plain::randomText(random, pieces, 60);
        ASSERT_EQ(CheckHtml(QStringView(text), list), plainReport(text, list)) << qPrintable(text);
    }
}

TEST(HtmlCheck, LongLinesAndBinaryTextAreReadWhole)
{
    const QString line = u("<b>x</b>").repeated(130000); // a line of about 1 MB
    EXPECT_EQ(CheckHtml(QString(line + u("<b>")), {u("b")}), more(1, "<b>", "</b>"));
    QString binary;
    for (int c = 0; c < 0x10000; ++c)
        binary += QChar(char16_t(c));
    const QString report = CheckHtml(QStringView(binary), {u("b")});
    EXPECT_FALSE(report.isEmpty());
    EXPECT_EQ(CheckHtml(QStringView(binary), {u("b")}), report);
}

} // namespace
