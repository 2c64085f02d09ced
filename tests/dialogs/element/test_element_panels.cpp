// The markup of each panel of the element dialog, built from its values.
#include "dialogs/element/AlignmentPanel.h"
#include "dialogs/element/DialogKinds.h"
#include "dialogs/element/DialogTitles.h"
#include "dialogs/element/FramesetPanel.h"
#include "dialogs/element/HorizontalLinePanel.h"
#include "dialogs/element/ListPanel.h"
#include "dialogs/element/PagePanel.h"
#include "dialogs/element/TableCellPanel.h"
#include "dialogs/element/TitlePanel.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

const QString Xhtml = QStringLiteral(" /");

CommonFields withClass(const QString &className)
{
    CommonFields common;
    common.text.className = className;
    return common;
}

TEST(ElementPanels, CommonFieldsFollowThePanelsAttributesInOrder)
{
    CommonFields common;
    common.text = {QStringLiteral("c"), QStringLiteral("i"), QStringLiteral("color:red")};
    common.events = {{QStringLiteral("onclick"), QStringLiteral("go()")}, {QStringLiteral("onblur"), QString()}};
    common.remainder = QStringLiteral(" title=\"t\"");
    EXPECT_EQ(common.markup(), QStringLiteral(" class=\"c\" id=\"i\" style=\"color:red\" onclick=\"go()\" title=\"t\""));
    EXPECT_EQ(CommonFields().markup(), QString());
}

TEST(ElementPanels, StyleFieldInTheStylesheetEditor)
{
    EXPECT_EQ(styleEditorText(QStringLiteral("div"), QStringLiteral("color:red")), QStringLiteral("div {\r\ncolor:red\r\n} "));
    const struct
    {
        const char *edited;
        const char *style;
    } cases[] = {
        {"div {\r\ncolor:red\r\n} ", "color:red"},
        {"div {\n  color:red;\n  margin:0;\n}\n", "color:red; margin:0;"},
        {"div {\r\n\r\n} ", ""},
        {"color:blue", "color:blue"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(styleFromEditorText(QString::fromUtf8(c.edited)), QString::fromUtf8(c.style)) << c.edited;
}

TEST(ElementPanels, HorizontalLine)
{
    using Alignment = HorizontalLineValues::Alignment;
    const struct
    {
        HorizontalLineValues values;
        QString suffix;
        const char *markup;
    } cases[] = {
        {{}, {}, "<hr>"}, // the defaults: 100 %, thickness 2, centred, shaded
        {{}, Xhtml, "<hr />"},
        {{50, true, 4, false, Alignment::Left}, {}, "<hr SIZE=\"4\" align=\"left\" width=\"50%\" noshade=\"noshade\">"},
        {{100, false, 2, true, Alignment::Right}, Xhtml, "<hr align=\"right\" width=\"100\" />"},
        {{0, true, 0, true, Alignment::Center}, {}, "<hr SIZE=\"0\" width=\"0%\">"},
        {{std::nullopt, false, 2, true, Alignment::Center}, {}, "<hr>"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(buildHorizontalLine(c.values, {}, c.suffix), QString::fromUtf8(c.markup));

    // A kept "noshade" gives way to the 3D box.
    CommonFields common = withClass(QStringLiteral("x"));
    common.remainder = QStringLiteral(" noshade title=\"t\"");
    EXPECT_EQ(buildHorizontalLine({}, common, {}), QStringLiteral("<hr class=\"x\" title=\"t\">"));
}

TEST(ElementPanels, TableCellAndRow)
{
    using V = TableCellValues::Vertical;
    using H = TableCellValues::Horizontal;
    TableCellValues values;
    EXPECT_EQ(buildTableCell(values, {}), QStringLiteral("<td>")); // spans of 1, no boxes ticked
    EXPECT_EQ(buildTableRow(values, {}), QStringLiteral("<tr>"));

    values.vertical = V::Top;
    values.horizontal = H::Center;
    values.rowSpan = 2;
    values.columnSpan = 3;
    values.widthOn = true;
    values.width = 50;
    values.heightOn = true;
    values.height = 20;
    values.heightPercent = false;
    values.colourOn = true;
    values.colour = QStringLiteral("#FF0000");
    EXPECT_EQ(buildTableCell(values, withClass(QStringLiteral("c"))),
              QStringLiteral("<td valign=\"top\" align=\"center\" rowspan=\"2\" colspan=\"3\" width=\"50%\" "
                             "height=\"20\" bgcolor=\"#FF0000\" class=\"c\">"));
    values.vertical = V::Bottom;
    values.horizontal = H::Right;
    EXPECT_EQ(buildTableRow(values, withClass(QStringLiteral("c"))),
              QStringLiteral("<tr valign=\"bottom\" align=\"right\" class=\"c\">"));
}

TEST(ElementPanels, Frameset)
{
    FramesetValues values;
    values.rows = QStringLiteral("50%,*");
    values.thickness = 4;
    EXPECT_EQ(buildFrameset(values, {}),
              QStringLiteral("<frameset frameborder=\"1\" border=\"4\" framespacing=\"4\" rows=\"50%,*\">"));
    values.border = false;
    values.columns = QStringLiteral("*,*");
    CommonFields common;
    common.remainder = QStringLiteral(" title=\"t\"");
    EXPECT_EQ(buildFrameset(values, common),
              QStringLiteral("<frameset frameborder=\"0\" border=\"4\" framespacing=\"4\" "
                             "rows=\"50%,*\" cols=\"*,*\" title=\"t\">"));

    const struct
    {
        const char *rows;
        const char *columns;
        bool rowsGreyed;
    } greyed[] = {{"", "*,*", true}, {"100%", "*,*", true}, {"50%,*", "*,*", false}, {"", "", false}};
    for (const auto &c : greyed) {
        FramesetValues v;
        v.rows = QString::fromUtf8(c.rows);
        v.columns = QString::fromUtf8(c.columns);
        EXPECT_EQ(v.rowsGreyed(), c.rowsGreyed) << c.rows << " / " << c.columns;
    }
}

TEST(ElementPanels, TitleReplacesTheSelectionOrStandsOnItsOwnLine)
{
    EXPECT_EQ(buildTitle(QStringLiteral("Forside"), true), QStringLiteral("<title>Forside</title>"));
    EXPECT_EQ(buildTitle(QStringLiteral("Forside"), false), QStringLiteral("\t<title>Forside</title>\r\n"));
}

TEST(ElementPanels, AlignmentElementsByKind)
{
    using A = AlignmentValues::Alignment;
    const struct
    {
        int kind;
        A alignment;
        const char *open;
        const char *close;
    } cases[] = {
        {DialogKind::Block, A::Center, "<div align=\"center\">", "</div>"},
        {DialogKind::Word, A::None, "<span>", "</span>"},
        {DialogKind::Paragraph, A::Justify, "<p align=\"justify\">", "</p>"},
        {DialogKind::Heading1, A::Left, "<h1 align=\"left\">", "</h1>"},
        {DialogKind::Heading1 + 5, A::Right, "<h6 align=\"right\">", "</h6>"},
    };
    for (const auto &c : cases) {
        AlignmentValues values = AlignmentValues::forKind(c.kind);
        values.alignment = c.alignment;
        const auto [open, close] = buildAlignment(values, {});
        EXPECT_EQ(open, QString::fromUtf8(c.open));
        EXPECT_EQ(close, QString::fromUtf8(c.close));
    }
    AlignmentValues withContent = AlignmentValues::forKind(DialogKind::Word);
    withContent.content = QStringLiteral("ord");
    EXPECT_EQ(buildAlignment(withContent, withClass(QStringLiteral("c"))).first, QStringLiteral("<span class=\"c\">ord</span>"));
}

TEST(ElementPanels, List)
{
    ListValues numbered;
    numbered.kind = ListValues::Kind::Numbers;
    numbered.type = 4;
    numbered.items = {QStringLiteral("en"), QStringLiteral("to"), QStringLiteral("tre")};
    EXPECT_EQ(buildList(numbered, {}),
              QStringLiteral("<ol type=\"a\">\r\n\t<li>en</li>\r\n\t<li>to</li>\r\n\t<li>tre</li>\r\n</ol>"));
    numbered.type = -1;
    numbered.items = {QStringLiteral("%1 %2")};
    EXPECT_EQ(buildList(numbered, withClass(QStringLiteral("c"))),
              QStringLiteral("<ol type=\"1\" class=\"c\">\r\n\t<li>%1 %2</li>\r\n</ol>"));

    const struct
    {
        int type;
        const char *markup;
    } bullets[] = {{-1, "<ul type=\"disc\">\r\n\t<li></li>\r\n\t<li></li>\r\n</ul>"},
                   {0, "<ul type=\"circle\">\r\n\t<li></li>\r\n\t<li></li>\r\n</ul>"},
                   {1, "<ul type=\"square\">\r\n\t<li></li>\r\n\t<li></li>\r\n</ul>"}};
    for (const auto &c : bullets) {
        ListValues values;
        values.type = c.type;
        values.items = {QString(), QString()};
        EXPECT_EQ(buildList(values, {}), QString::fromUtf8(c.markup));
    }
}

// The line of the text that the offset stands on, counted from 1.
int lineAt(const QString &text, qsizetype offset)
{
    return static_cast<int>(text.left(offset).count(QStringLiteral("\r\n"))) + 1;
}

TEST(ElementPanels, PageSkeletonOnAnEmptyUtf8Page)
{
    PageValues values;
    values.title = QStringLiteral("Uden titel");
    const PageMarkup page = buildPage(values, {}, {}, FileEncoding::Utf8);
    EXPECT_EQ(page.text,
              QStringLiteral("<!DOCTYPE html>\r\n<html>\r\n<head>\r\n\t<meta charset=\"utf-8\">\r\n"
                             "\t<title>Uden titel</title>\r\n</head>\r\n<body>\r\n\r\n\r\n\r\n</body>\r\n</html>"));
    EXPECT_EQ(lineAt(page.text, page.caret), 8); // the first line inside the body
    EXPECT_EQ(page.text.mid(page.caret, 2), QStringLiteral("\r\n"));

    values.body = false;
    const PageMarkup headOnly = buildPage(values, withClass(QStringLiteral("c")), {}, FileEncoding::Utf8);
    EXPECT_EQ(headOnly.text,
              QStringLiteral("<!DOCTYPE html>\r\n<html>\r\n<head>\r\n\t<meta charset=\"utf-8\">\r\n"
                             "\t<title>Uden titel</title>\r\n</head>\r\n\r\n\r\n\r\n\r\n</html>"));
    EXPECT_EQ(lineAt(headOnly.text, headOnly.caret), 7);
}

TEST(ElementPanels, PageSkeletonWithVersionStylesheetTargetAndColours)
{
    PageValues values;
    values.version = QStringLiteral("-//W3C//DTD XHTML 1.0 Strict//EN\" \"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd");
    values.title = QStringLiteral("Æbler");
    values.stylesheet = QStringLiteral("css\\sted.css");
    values.target = QStringLiteral("hoved");
    values.bodyValues.includeColours = true;
    values.bodyValues.backgroundFile = QStringLiteral("bg.gif");
    const PageMarkup page = buildPage(values, withClass(QStringLiteral("c")), Xhtml, FileEncoding::Windows1252);
    EXPECT_EQ(page.text,
              QStringLiteral("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\" "
                             "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\r\n<html>\r\n<head>\r\n"
                             "\t<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\" />\r\n"
                             "\t<title>Æbler</title>\r\n"
                             "<link rel=\"stylesheet\" href=\"css/sted.css\" type=\"text/css\" />\r\n"
                             "<base target=\"hoved\" />\r\n</head>\r\n"
                             "<body bgcolor=\"#FFFFFF\" text=\"#000000\" link=\"#0000FF\" vlink=\"#660066\" "
                             "alink=\"#FF0000\" background=\"bg.gif\" class=\"c\">\r\n\r\n\r\n\r\n</body>\r\n</html>"));
    // The stylesheet and base lines move the body down; the caret follows it.
    EXPECT_EQ(lineAt(page.text, page.caret), 10);

    values.version = QStringLiteral("-//W3C//DTD HTML 4.01//EN");
    EXPECT_TRUE(buildPage(values, {}, {}, FileEncoding::Utf8WithBom)
                    .text.contains(QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">")));
}

TEST(ElementPanels, DialogTitles)
{
    const struct
    {
        int kind;
        const char *fresh;
        const char *edited;
    } cases[] = {
        {DialogKind::HorizontalLine, "Vandret linie", "Vandret linie - redigering"},
        {DialogKind::Page, "Basiskoder", "Basiskoder - redigering"},
        {DialogKind::Word, "Ordformatering", "Ordformatering - redigering"},
        {DialogKind::Heading1 + 2, "Overskrift h3", "Overskrift h3 - redigering"},
        {DialogKind::TableCell, "Tabelcelle - redigering", "Tabelcelle - redigering"},
        {DialogKind::Frameset, "Rammer - rediger antal og størrelse", "Rammer - rediger antal og størrelse"},
        {DialogKind::Title, "Titel - rediger", "Titel - rediger"},
        {12, "", ""}, // the common panel alone
    };
    for (const auto &c : cases) {
        EXPECT_EQ(dialogTitle(c.kind, false), QString::fromUtf8(c.fresh)) << c.kind;
        EXPECT_EQ(dialogTitle(c.kind, true), QString::fromUtf8(c.edited)) << c.kind;
    }
}

} // namespace
