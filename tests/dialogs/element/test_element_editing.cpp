// Existing elements taken apart for the element dialog and written back.
#include "dialogs/element/AlignmentPanel.h"
#include "dialogs/element/DialogKinds.h"
#include "dialogs/element/ElementReading.h"
#include "dialogs/element/FormElementStart.h"
#include "dialogs/element/FramesetPanel.h"
#include "dialogs/element/HorizontalLinePanel.h"
#include "dialogs/element/ListPanel.h"
#include "dialogs/element/PagePanel.h"
#include "dialogs/element/ScriptElements.h"
#include "dialogs/element/TableCellPanel.h"
#include "html/AttributeText.h"
#include "resources/ElementEvents.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

const QStringList MouseEvents = {QStringLiteral("onclick"), QStringLiteral("onmouseover")};

ElementReading reading(const char *element, bool keepUnknown = true, const QString &content = QString())
{
    const QString text = QString::fromUtf8(element);
    return prepareElementEdit(ElementIndexOf(text), text, content, MouseEvents, keepUnknown);
}

ElementEdit read(const char *element, bool keepUnknown = true)
{
    return reading(element, keepUnknown).edit;
}

TEST(ElementEditing, ElementIndexes)
{
    const struct
    {
        const char *text;
        int index;
    } cases[] = {
        {"<font size=\"2\">", 1},
        {"<TD valign=top>", 9},
        {"<a\nhref=\"x\">", 4},
        {"<br/>", 38},
        {"<h6>", 34},
        {"<!DOCTYPE html>", 35},
        {"</td>", 39},
        {"<!-- x -->", 39},
        {"<tdx>", 39},
        {"<>", 39},
        {"<area>", 27},
        {"<base href=\"/\">", 36},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ElementIndexOf(QString::fromUtf8(c.text)), c.index) << c.text;
    EXPECT_EQ(ElementTable::entry(4).attributes, (QStringList{"href", "target", "name"}));
    EXPECT_TRUE(ElementTable::isPaired(ElementIndexOf(QStringLiteral("<textarea>"))));
    EXPECT_FALSE(ElementTable::isPaired(ElementIndexOf(QStringLiteral("<td>"))));
}

TEST(ElementEditing, AttributesAreNotFoundInsideOtherValues)
{
    QString tag = QStringLiteral("<img alt=\"a src=b\"\n\tsrc=c.gif>");
    EXPECT_EQ(TakeAttribute(tag, QStringLiteral("src"), true), QStringLiteral("c.gif"));
    EXPECT_EQ(tag, QStringLiteral("<img alt=\"a src=b\"\n>"));
    EXPECT_TRUE(AttributeValue(QStringLiteral("<a title=\"x href=y\">"), QStringLiteral("href")).isEmpty());
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
    EXPECT_EQ(reading("<title>", true, QStringLiteral("Forside")).edit.slot(ElementEdit::ContentSlot), QStringLiteral("Forside"));

    ElementEdit img = read("<img src=\"a.gif\" width=\"50%\" height=\"20\">");
    EXPECT_EQ(img.slot(0), QStringLiteral("%"));
    EXPECT_EQ(img.slot(3), QStringLiteral("50"));
    EXPECT_EQ(img.slot(10), QStringLiteral("-1"));
    ElementEdit table = read("<table width=\"80%\" height=\"9\">");
    EXPECT_EQ(table.slot(0), QStringLiteral("%"));
    EXPECT_EQ(table.slot(10), QStringLiteral("-1"));

    // Flags count even when unknown text is dropped.
    EXPECT_EQ(read("<hr noshade>", false).slot(4), QStringLiteral("noshade"));
    EXPECT_EQ(read("<frame src=\"a.html\" NORESIZE>", false).slot(6), QStringLiteral("noresize"));
    EXPECT_TRUE(read("<hr title=\"noshade\">").slot(4).isEmpty());

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
    const QString bodyTag = QStringLiteral("<body onunload=\"bye()\" onclick=\"c()\">");
    const ElementEdit body = prepareElementEdit(ElementIndexOf(bodyTag), bodyTag, {}, bodyEvents, true).edit;
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

TEST(ElementEditing, FormElementsStartTheFormDialog)
{
    const auto start = [](const char *element, bool keepUnknown = true, const QString &content = QString()) {
        ElementReading read = reading(element, keepUnknown, content);
        const int index = ElementIndexOf(QString::fromUtf8(element));
        return std::make_pair(formElementStart(index, read), read.edit.PreservedRemainder);
    };
    const auto [input, inputRest] = start("<input type=\"CHECKBOX\" name=\"n\" checked disabled=\"disabled\" tabindex=\"2\">");
    EXPECT_EQ(input.kind, 6);
    EXPECT_EQ(input.caption, QStringLiteral("Tjekboks - redigering"));
    EXPECT_TRUE(input.checked);
    EXPECT_TRUE(input.disabled);
    EXPECT_FALSE(input.readOnly);
    EXPECT_EQ(inputRest, QStringLiteral(" tabindex=\"2\"")); // the flags are not written twice

    // Flags survive when unknown text is dropped.
    const FormElementStart select = start("<select name=\"s\" size=\"4\" multiple readonly>", false).first;
    EXPECT_EQ(select.kind, FormElementStart::Select);
    EXPECT_TRUE(select.multiple);
    EXPECT_TRUE(select.readOnly);
    EXPECT_EQ(select.size, QStringLiteral("4"));

    const FormElementStart area = start("<textarea name=\"t\" rows=\"3\" cols=\"40\" wrap=\"OFF\">", true, "Hej").first;
    EXPECT_EQ(area.caption, QStringLiteral("Tekstboks - redigering"));
    EXPECT_EQ(area.value, QStringLiteral("Hej"));
    EXPECT_FALSE(area.wrap);
    EXPECT_EQ(area.maxLength, QStringLiteral("40"));

    const FormElementStart form = start("<form method=\"post\" action=\"/s\">").first;
    EXPECT_EQ(form.caption, QStringLiteral("Formular - redigering"));
    EXPECT_EQ(form.action, QStringLiteral("/s"));

    EXPECT_EQ(inputTypeKind(QString()), 1);
    EXPECT_EQ(inputTypeKind(QStringLiteral("file")), 12);
    const FormElementStart unknown = start("<input type=\"range\">").first;
    EXPECT_EQ(unknown.kind, FormElementStart::UnknownInput);
    EXPECT_TRUE(unknown.caption.isEmpty());
}

TEST(ElementEditing, LinksToMailAddressesOpenTheMailPanel)
{
    EXPECT_EQ(dialogKindFor(4, read("<a href=\"MAILTO:a@b.dk\">")), DialogKind::Email);
    EXPECT_EQ(dialogKindFor(4, read("<a href=\"side.html\">")), DialogKind::Link);
    EXPECT_EQ(dialogKindFor(14, read("<bgsound src=\"a.mid\">")), DialogKind::BackgroundSound);
}

TEST(ElementEditing, ScriptAndStyleElementsAroundTheirEditedText)
{
    EXPECT_EQ(contentForEditing(QStringLiteral("\r\nbody { }\r\np { }\r\n")), QStringLiteral("body { }\r\np { }"));
    EXPECT_EQ(contentForEditing(QStringLiteral("x")), QStringLiteral("x"));
    const ElementEdit style = read("<style media=\"print\" id=\"s\" title=\"t\">");
    EXPECT_EQ(styleElementText(style, QStringLiteral("p { }")),
              QStringLiteral("<style type=\"text/css\" media=\"print\" id=\"s\" title=\"t\">\r\np { }\r\n</style>"));
    EXPECT_EQ(scriptElementText(ElementEdit(), QStringLiteral("f();")),
              QStringLiteral("<script type=\"text/javascript\">\r\nf();\r\n</script>"));
}
