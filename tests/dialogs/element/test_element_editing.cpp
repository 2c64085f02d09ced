// Existing elements taken apart for the element dialog and written back.
#include "dialogs/element/AlignmentPanel.h"
#include "dialogs/element/DialogKinds.h"
#include "dialogs/element/ElementReading.h"
#include "dialogs/element/FramesetPanel.h"
#include "dialogs/element/HorizontalLinePanel.h"
#include "dialogs/element/ListPanel.h"
#include "dialogs/element/PagePanel.h"
#include "dialogs/element/TableCellPanel.h"
#include "html/AttributeText.h"
#include "resources/ElementEvents.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

const QStringList MouseEvents = {QStringLiteral("onclick"), QStringLiteral("onmouseover")};

ElementEdit read(const char *element, bool keepUnknown = true)
{
    const std::optional<ElementEdit> edit = readDialogElement(QString::fromUtf8(element), QString(), MouseEvents, keepUnknown);
    EXPECT_TRUE(edit.has_value()) << element;
    return edit.value_or(ElementEdit());
}

// The element as its panel writes it back when OK is pressed unchanged.
QString rewritten(const char *element, bool keepUnknown = true)
{
    const QString text = QString::fromUtf8(element);
    ElementEdit edit = read(element, keepUnknown);
    const DialogElement *entry = dialogElement(elementNameOf(text));
    switch (entry->kind) {
    case DialogKind::HorizontalLine: {
        const HorizontalLineValues values = HorizontalLineValues::fromEdit(edit);
        return buildHorizontalLine(values, CommonFields::fromEdit(edit, MouseEvents), {});
    }
    case DialogKind::TableCell: {
        const TableCellValues values = TableCellValues::fromEdit(edit);
        return buildTableCell(values, CommonFields::fromEdit(edit, MouseEvents));
    }
    case DialogKind::TableRow: {
        const TableCellValues values = TableCellValues::fromEdit(edit);
        return buildTableRow(values, CommonFields::fromEdit(edit, MouseEvents));
    }
    case DialogKind::Frameset:
        return buildFrameset(FramesetValues::fromEdit(edit), CommonFields::fromEdit(edit, MouseEvents));
    case DialogKind::Page:
        return buildBody(BodyValues::fromEdit(edit), CommonFields::fromEdit(edit, MouseEvents));
    default: {
        const AlignmentValues values = AlignmentValues::fromEdit(entry->kind, edit);
        return buildAlignment(values, CommonFields::fromEdit(edit, MouseEvents)).first;
    }
    }
}

TEST(ElementEditing, ElementsComeBackAsTheyWere)
{
    const struct
    {
        const char *element;
        const char *markup;
    } cases[] = {
        {"<hr>", "<hr>"}, // no width stays without one
        {"<hr />", "<hr>"},
        {"<hr width=\"50%\" size=\"4\" align=\"left\" noshade>",
         "<hr SIZE=\"4\" align=\"left\" width=\"50%\" noshade=\"noshade\">"},
        {"<HR WIDTH=300 title=\"t\"/>", "<hr width=\"300\" title=\"t\">"},
        {"<hr width=\"100%\" noshade=\"noshade\">", "<hr noshade=\"noshade\">"},
        {"<td valign=top width=\"50%\">", "<td valign=\"top\" width=\"50%\">"},
        {"<TD ALIGN=\"Center\" ROWSPAN=2 height=\"30\" bgcolor=\"#00FF00\">",
         "<td align=\"center\" rowspan=\"2\" height=\"30\" bgcolor=\"#00FF00\">"},
        {"<tr align=right class=\"r\">", "<tr align=\"right\" class=\"r\">"},
        {"<frameset rows=\"50%,*\" frameborder=\"no\" border=\"3\">",
         "<frameset frameborder=\"0\" border=\"3\" framespacing=\"3\" rows=\"50%,*\">"},
        {"<body bgcolor=\"#FFFFFF\">", "<body bgcolor=\"#FFFFFF\">"}, // only the colour it had
        {"<body link=\"#123456\" background=\"b.gif\" onclick=\"x()\">",
         "<body link=\"#123456\" background=\"b.gif\" onclick=\"x()\">"},
        {"<div align=\"center\" class=\"x\" onclick=\"f()\" lang=\"da\">",
         "<div align=\"center\" class=\"x\" onclick=\"f()\" lang=\"da\">"},
        {"<span style=\"color:red\">", "<span style=\"color:red\">"},
        {"<H2 align = \"left\">", "<h2 align = \"left\">"}, // blanks around "=": no attribute, kept as it stands
    };
    for (const auto &c : cases)
        EXPECT_EQ(rewritten(c.element), QString::fromUtf8(c.markup)) << c.element;
}

TEST(ElementEditing, ValuesNoFieldCanHoldAreKeptUnchanged)
{
    const struct
    {
        const char *element;
        const char *markup;
    } cases[] = {
        {"<hr width=\"auto\">", "<hr width=\"auto\">"},
        {"<hr width=\"5x%\" size=\"thin\" align=\"middle\">", "<hr width=\"5x%\" size=\"thin\" align=\"middle\">"},
        {"<td valign=\"baseline\" rowspan=\"x\" width=\"auto\" height=\"1.5%\">",
         "<td valign=\"baseline\" rowspan=\"x\" width=\"auto\" height=\"1.5%\">"},
        {"<p align=\"char\">", "<p align=\"char\">"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(rewritten(c.element), QString::fromUtf8(c.markup)) << c.element;
}

TEST(ElementEditing, UnknownTextIsDroppedWhenNotKept)
{
    EXPECT_EQ(rewritten("<td width=\"20\" title=\"t\" nowrap>", false), QStringLiteral("<td width=\"20\">"));
}

TEST(ElementEditing, SlotsOfTheEditedElement)
{
    ElementEdit hr = read("<hr size=\"3\" align=\"right\" width=\"40%\" noshade class=\"a\" id=\"b\" style=\"c\">");
    EXPECT_TRUE(hr.EditMode);
    EXPECT_EQ(hr.slot(0), QStringLiteral("%"));
    EXPECT_EQ(hr.slot(1), QStringLiteral("3"));
    EXPECT_EQ(hr.slot(3), QStringLiteral("40"));
    EXPECT_EQ(hr.slot(4), QStringLiteral("noshade"));
    EXPECT_EQ(hr.CommonValues.className, QStringLiteral("a"));
    EXPECT_EQ(hr.CommonValues.style, QStringLiteral("c"));
    EXPECT_EQ(hr.PreservedRemainder, QStringLiteral(" noshade"));

    ElementEdit td = read("<td width=\"30\" height=\"10%\">");
    EXPECT_EQ(td.slot(8), QStringLiteral("-1"));
    EXPECT_EQ(td.slot(9), QStringLiteral("%"));

    EXPECT_EQ(read("<OL type=\"A\">").slot(2), QStringLiteral("<ol"));
    const std::optional<ElementEdit> title = readDialogElement(QStringLiteral("<title>"), QStringLiteral("Forside"), {}, true);
    EXPECT_EQ(title->slot(ElementEdit::ContentSlot), QStringLiteral("Forside"));

    for (const char *other : {"<br>", "<table width=\"3\">", "</td>", "<!-- x -->"})
        EXPECT_FALSE(readDialogElement(QString::fromUtf8(other), {}, {}, true)) << other;

    hr.clear();
    EXPECT_FALSE(hr.EditMode);
    EXPECT_TRUE(hr.slot(3).isEmpty());
    EXPECT_TRUE(hr.PreservedRemainder.isEmpty());
    EXPECT_TRUE(hr.EventAttributeList.isEmpty());
}

TEST(ElementEditing, EventGrid)
{
    const QStringList groups = {QStringLiteral("1701=onclick, onmouseover"), QStringLiteral("1705=onload, onunload")};
    const QStringList map = {QStringLiteral("1701=a,body,td"), QStringLiteral("1705=body,frameset")};
    const QStringList bodyEvents = ElementEvents(QStringLiteral("body"), groups, map);
    EXPECT_EQ(bodyEvents,
              (QStringList{QStringLiteral("onclick"), QStringLiteral("onmouseover"), QStringLiteral("onload"),
                           QStringLiteral("onunload")}));
    EXPECT_EQ(ElementEvents(QStringLiteral("frameset"), groups, map),
              (QStringList{QStringLiteral("onload"), QStringLiteral("onunload")}));
    EXPECT_TRUE(ElementEvents(QStringLiteral("hr"), groups, map).isEmpty());

    // New: the element's events, no actions.
    const EventRows fresh = ElementEdit().eventRows(bodyEvents);
    ASSERT_EQ(fresh.size(), 4);
    EXPECT_EQ(fresh.at(2), std::make_pair(QStringLiteral("onload"), QString()));

    // Edited: the element's own, those with an action first.
    const ElementEdit body = *readDialogElement(QStringLiteral("<body onunload=\"bye()\" onclick=\"c()\">"), {}, bodyEvents,
                                                true);
    const EventRows rows = body.eventRows(bodyEvents);
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows.at(0), std::make_pair(QStringLiteral("onclick"), QStringLiteral("c()")));
    EXPECT_EQ(rows.at(1), std::make_pair(QStringLiteral("onunload"), QStringLiteral("bye()")));
    EXPECT_EQ(rows.at(2), std::make_pair(QStringLiteral("onmouseover"), QString()));
}

TEST(ElementEditing, BodyWritesTheColoursItHadAndThoseChanged)
{
    ElementEdit edit = read("<body bgcolor=\"#FFFFCC\">");
    BodyValues values = BodyValues::fromEdit(edit);
    EXPECT_TRUE(values.includeColours);
    values.link = QStringLiteral("#00FF00");
    EXPECT_EQ(buildBody(values, CommonFields::fromEdit(edit, {})), QStringLiteral("<body bgcolor=\"#FFFFCC\" link=\"#00FF00\">"));

    const BodyValues none = BodyValues::fromEdit(read("<body>"));
    EXPECT_FALSE(none.includeColours);
    EXPECT_EQ(buildBody(none, {}), QStringLiteral("<body>"));
}

TEST(ElementEditing, FramesetThicknessAndBorder)
{
    const struct
    {
        const char *element;
        int thickness;
        bool border;
    } cases[] = {
        {"<frameset cols=\"*,*\" framespacing=\"2\" border=\"5\">", 2, true},
        {"<frameset cols=\"*,*\" framespacing=\"x\" border=\"5\">", 5, true},
        {"<frameset border=\"5\" frameborder=\"0\">", 0, false}, // neither rows nor columns
        {"<frameset rows=\"*\" frameborder=\"NO\">", 0, false},
        {"<frameset rows=\"*\" frameborder=\"yes\">", 0, true},
    };
    for (const auto &c : cases) {
        const FramesetValues values = FramesetValues::fromEdit(read(c.element));
        EXPECT_EQ(values.thickness, c.thickness) << c.element;
        EXPECT_EQ(values.border, c.border) << c.element;
    }
}

TEST(ElementEditing, ListKindAndType)
{
    const struct
    {
        const char *element;
        ListValues::Kind kind;
        int type;
    } cases[] = {
        {"<ul>", ListValues::Kind::Bullets, -1},
        {"<ul type=\"SQUARE\">", ListValues::Kind::Bullets, 1},
        {"<ul type=\"circle\">", ListValues::Kind::Bullets, 0},
        {"<ol type=\"I\">", ListValues::Kind::Numbers, 1},
        {"<ol type=\"a\">", ListValues::Kind::Numbers, 4},
        {"<ol type=\"x\">", ListValues::Kind::Numbers, 0},
    };
    for (const auto &c : cases) {
        const ListValues values = ListValues::fromEdit(read(c.element));
        EXPECT_EQ(values.kind, c.kind) << c.element;
        EXPECT_EQ(values.type, c.type) << c.element;
    }
}

TEST(ElementEditing, ListItemsFromTheText)
{
    const QStringList ab = {QStringLiteral("a"), QStringLiteral("b")};
    const struct
    {
        const char *text;
        QStringList items;
        bool numbered;
    } cases[] = {
        {"<ul>\r\n\t<li>a</li>\r\n\t<li>b</li>\r\n</ul>", ab, false},
        {"<ul><li>a</li><li>b</li></ul>", ab, false}, // written on one line
        {"<OL type=\"1\">\n<LI>a\n<LI> b \n</OL>", ab, true}, // items without end tags
        {"<ol><li>a</li><li>b", ab, true},
        {"a\r\n b\r\n", ab, false},
        {"a\nb", ab, false},
        {"a\rb", ab, false},
        {"<ul>\na\nb\n</ul>", ab, false},
        {"", {QString()}, false},
    };
    for (const auto &c : cases) {
        ListValues values;
        values.takeItems(QString::fromUtf8(c.text));
        EXPECT_EQ(values.items, c.items) << c.text;
        EXPECT_EQ(values.kind == ListValues::Kind::Numbers, c.numbered) << c.text;
    }

    ListValues lettered;
    lettered.kind = ListValues::Kind::Numbers;
    lettered.type = 3;
    lettered.takeItems(QStringLiteral("<ol type=\"A\"><li>x</li></ol>"));
    EXPECT_EQ(lettered.type, 3);
}

TEST(ElementEditing, AnEditedListEndsAtItsOwnEndTag)
{
    using R = ListExtent::Result;
    const struct
    {
        const char *text;
        R result;
        const char *selected; // from the start tag to the end found
    } cases[] = {
        {"x<ul>\r\n<li>a</li>\r\n</ul>\r\ny", R::EndTag, "<ul>\r\n<li>a</li>\r\n</ul>"},
        {"x<OL TYPE=\"a\"><li>a</li></Ol></ol>", R::EndTag, "<OL TYPE=\"a\"><li>a</li></Ol>"},
        {"x<ul><li>a<ul><li>b</li></ul></li></ul>", R::NestedList, ""},
        {"x<ul><li>a<ol>\n<li>b</li></ol></ul>", R::NestedList, ""},
        {"x<ul><li>a</li>", R::NoEndTag, ""},
        {"x<ul><li>a</li></ul\n", R::NoEndTag, ""}, // an end tag cut short
        {"x<ul><li><ulx></li></ul>", R::EndTag, "<ul><li><ulx></li></ul>"}, // no list, only a like name
    };
    for (const auto &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        const ListExtent extent = findListExtent(text, 1);
        EXPECT_EQ(extent.result, c.result) << c.text;
        if (extent.result == R::EndTag) {
            EXPECT_EQ(text.mid(1, extent.end - 1), QString::fromUtf8(c.selected)) << c.text;
        }
    }
}

TEST(ElementEditing, FlagAttributes)
{
    const struct
    {
        const char *text;
        bool found;
        const char *after;
    } cases[] = {
        {" noshade", true, ""},
        {" NOSHADE=\"noshade\" title=\"t\"", true, " title=\"t\""},
        {" title=\"t\" noshade=noshade", true, " title=\"t\""},
        {" title=\"t\"", false, " title=\"t\""},
    };
    for (const auto &c : cases) {
        QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(TakeFlagAttribute(text, QStringLiteral("noshade")), c.found) << c.text;
        EXPECT_EQ(text, QString::fromUtf8(c.after)) << c.text;
    }
}

} // namespace
