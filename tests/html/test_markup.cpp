// Markup writing and head placement, on the in-memory text and on the editor.
#include "html/CommaText.h"
#include "html/ElementSections.h"
#include "html/GeneratorElement.h"
#include "html/HeadPlacement.h"
#include "html/MarkupWriting.h"
#include "support/EditableTextFixture.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

template <typename T> class MarkupTest : public EditableTextFixture<T>
{
protected:
    ScriptedPrompter m_prompter;
};

TYPED_TEST_SUITE(MarkupTest, EditableTextTypes);

SelectionRecord sel(int al, int ac, int cl, int cc)
{
    return SelectionRecord::between({al, ac}, {cl, cc});
}

TYPED_TEST(MarkupTest, WrappingKeepsTheSelectedTextSelectedBetweenTheTags)
{
    const struct
    {
        SelectionRecord selection;
        const char *result;
        SelectionRecord after;
    } cases[] = {
        {sel(1, 2, 1, 2), "ab<strong></strong>cd\nef", sel(1, 10, 1, 10)}, // empty: caret between
        {sel(1, 1, 1, 3), "a<strong>bc</strong>d\nef", sel(1, 9, 1, 11)},
        {sel(1, 3, 1, 1), "a<strong>bc</strong>d\nef", sel(1, 9, 1, 11)}, // made backwards
        {sel(1, 2, 2, 1), "ab<strong>cd\ne</strong>f", sel(1, 10, 2, 1)}, // across lines
    };
    for (const auto &c : cases) {
        EditableText &t = this->withText(QStringLiteral("abcd\nef"));
        t.SetSelection(c.selection);
        WrapSelection(t, QStringLiteral("<strong>"), QStringLiteral("</strong>"));
        EXPECT_EQ(t.GetText(), QString::fromUtf8(c.result));
        EXPECT_EQ(t.GetSelection(), c.after);
    }
    EditableText &t = this->withText(QStringLiteral("x"));
    t.SetReadOnly(true);
    WrapSelection(t, QStringLiteral("<b>"), QStringLiteral("</b>"));
    InsertAtCaret(t, QStringLiteral("<br>"));
    EXPECT_EQ(t.GetText(), QStringLiteral("x"));
}

TYPED_TEST(MarkupTest, InsertingReplacesTheSelection)
{
    EditableText &t = this->withText(QStringLiteral("one two"));
    t.SetSelection(sel(1, 7, 1, 4));
    InsertAtCaret(t, QStringLiteral("<br />"));
    EXPECT_EQ(t.GetText(), QStringLiteral("one <br />"));
    EXPECT_EQ(t.GetSelection(), sel(1, 10, 1, 10));
}

const QString Page = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<title>T</title>\n<link rel=\"x\">\n"
                                    "<script>\n<meta in=\"script\">\n</script>\n</head>\n<body>\n</body>\n</html>");

TYPED_TEST(MarkupTest, NewHeadContentGoesWhereItsKindBelongs)
{
    const struct
    {
        const char *name;
        int line;
    } cases[] = {
        {"meta", 5}, // no meta in the head (one inside a script): before the link
        {"link", 5}, // before the first link
        {"title", 4},     {"style", 6}, // before the script section
        {"base", 9}, // nothing of its kind or later: before </head>
        {"<!-- dato", 3}, // a name in no entry: the <head> line
    };
    for (const auto &c : cases) {
        EditableText &t = this->withText(Page);
        t.SetSelection(sel(11, 0, 11, 0));
        EXPECT_TRUE(PositionInHead(t, QString::fromUtf8(c.name), true, this->m_prompter, QStringLiteral("Brindle's Pagewick")));
        EXPECT_EQ(t.GetSelection(), sel(c.line, 0, c.line, 0)) << c.name;
    }
    // A script section open at the head's end still hides what stands in it.
    EditableText &open = this->withText(QStringLiteral("<html>\n<head>\n<title>T</title>\n<script>\n<meta in=\"script\">\n"
                                                       "</head>\n</script>\n<body>\n</body>\n</html>"));
    EXPECT_TRUE(PositionInHead(open, QStringLiteral("meta"), true, this->m_prompter, QStringLiteral("Brindle's Pagewick")));
    EXPECT_EQ(open.GetSelection(), sel(4, 0, 4, 0));
    EditableText &t = this->withText(QStringLiteral("<p>no head</p>"));
    this->m_prompter.expect(QStringLiteral("Pagewick kan ikke finde dokumentets HEAD-sektion."));
    EXPECT_FALSE(PositionInHead(t, QStringLiteral("meta"), true, this->m_prompter, QStringLiteral("Brindle's Pagewick")));
    EXPECT_EQ(t.GetSelection(), sel(1, 0, 1, 0));
}

TYPED_TEST(MarkupTest, SectionsOfNamedElementsWithTheirDepth)
{
    EditableText &t = this->withText(QStringLiteral("<div><div\n class=x>\n</div></div>\n<DIV>\n<script>x<y</script>"));
    const QList<HTMLElement> sections = FindElementSections(t, QStringLiteral("div,script"));
    ASSERT_EQ(sections.size(), 3); // upper case names are other names
    EXPECT_EQ(sections[0].depth, 0);
    EXPECT_EQ(sections[0].endLine, 3);
    EXPECT_EQ(sections[1].depth, 1);
    EXPECT_EQ(sections[1].startLine, 1);
    EXPECT_EQ(sections[1].endLine, 3);
    EXPECT_EQ(sections[2].name, QStringLiteral("script"));
    EXPECT_EQ(sections[2].nameIndex, 1);
    EXPECT_EQ(sections[2].endLine, 5);

    // Long lines and unbalanced brackets end without harm.
    EditableText &u = this->withText(QString(1 << 20, QLatin1Char('<')) + QStringLiteral(">>><div"));
    EXPECT_TRUE(FindElementSections(u, QStringLiteral("div")).isEmpty());
}

TYPED_TEST(MarkupTest, CollectingElementsPassesOverUpperCaseScripts)
{
    const QString text = QStringLiteral("<head>\n<link rel=\"a\">\n<SCRIPT>\n<link rel=\"in script\">\n</SCRIPT>\n"
                                        "<script>\n<link rel=\"lower\">\n</script>\n  <link rel=\"b, c\"> \n</head>");
    EditableText &t = this->withText(text);
    t.SetSelection(sel(2, 3, 2, 3));
    EXPECT_EQ(CollectElements(t, QStringLiteral("link"), false),
              QStringLiteral("\"<link rel=\"\"a\"\">\",\"<link rel=\"\"lower\"\">\",\"<link rel=\"\"b, c\"\">\""));
    EXPECT_EQ(t.GetText(), text);
    CollectElements(t, QStringLiteral("LINK"), true);
    EXPECT_EQ(t.GetText(), QStringLiteral("<head>\n<SCRIPT>\n<link rel=\"in script\">\n</SCRIPT>\n<script>\n</script>\n</head>"));
}

TYPED_TEST(MarkupTest, TheGeneratorElementIsAddedOnceOrRenewed)
{
    const QString element = QStringLiteral("<meta name=\"Generator\" content=\"Brindle's Pagewick 4\">");
    EditableText &t = this->withText(QStringLiteral("<html>\n<head>\n<title>T</title>\n</head>\n<body>x</body>"));
    t.SetSelection(sel(5, 7, 5, 7));
    refreshGeneratorElement(t, element, this->m_prompter, QStringLiteral("Brindle's Pagewick"));
    // After the title, which comes before meta elements in a head.
    EXPECT_EQ(t.GetText(),
              QStringLiteral("<html>\n<head>\n<title>T</title>\n") + element + QStringLiteral("\n</head>\n<body>x</body>"));
    EXPECT_EQ(t.GetSelection(), sel(6, 7, 6, 7)); // the caret stays on its text
    refreshGeneratorElement(t, element, this->m_prompter, QStringLiteral("Brindle's Pagewick"));
    EXPECT_EQ(t.GetLineCount(), 6);

    EditableText &old = this->withText(QStringLiteral("<head>\n<meta name=\"Generator\" content=\"Old 1\">\n</head>"));
    refreshGeneratorElement(old, element, this->m_prompter, QStringLiteral("Brindle's Pagewick"));
    EXPECT_EQ(old.GetText(), QStringLiteral("<head>\n") + element + QStringLiteral("\n</head>"));
}

TEST(AttributeFormatters, ValuesInQuotesAndNothingForEmptyValues)
{
    EXPECT_EQ(FormatAttribute(QStringLiteral("href"), QStringLiteral("a.htm")), QStringLiteral(" href=\"a.htm\""));
    EXPECT_TRUE(FormatAttribute(QStringLiteral("href"), QString()).isEmpty());
    EXPECT_EQ(FormatNumberAttribute(QStringLiteral("width"), 50, true, true), QStringLiteral(" width=\"50%\""));
    EXPECT_EQ(FormatNumberAttribute(QStringLiteral("width"), 50, true, false), QStringLiteral(" width=\"50\""));
    EXPECT_TRUE(FormatNumberAttribute(QStringLiteral("width"), 50, false, true).isEmpty());
    EXPECT_EQ(FormatCommonAttributes(QStringLiteral("c"), QString(), QStringLiteral("s")),
              QStringLiteral(" class=\"c\" style=\"s\""));
    EXPECT_EQ(FormatEventAttributes({{QStringLiteral("onclick"), QStringLiteral("f()")}, {QStringLiteral("onload"), {}}}),
              QStringLiteral(" onclick=\"f()\""));
}

TEST(CommaText, ItemsWithBlanksCommasOrQuotesAreQuoted)
{
    const QStringList items = {QStringLiteral("a"), QStringLiteral("b c"), QStringLiteral("d,e"), QStringLiteral("say \"hi\"")};
    const QString text = CommaText::join(items);
    EXPECT_EQ(text, QStringLiteral("a,\"b c\",\"d,e\",\"say \"\"hi\"\"\""));
    EXPECT_EQ(CommaText::split(text), items);
    EXPECT_EQ(CommaText::split(QStringLiteral("P, PARAM  td")), (QStringList{"P", "PARAM", "td"}));
}

TEST(CommaText, ContainsReadsItemsAsSplitDoes)
{
    const QString text = QStringLiteral("!DOCTYPE, html,td \"b c\",\"say \"\"hi\"\"\"");
    for (const QString &item : CommaText::split(text))
        EXPECT_TRUE(CommaText::contains(text, item)) << item.toStdString();
    for (const char *absent : {"b", "c", "\"b c\"", "t", "TD", ""})
        EXPECT_FALSE(CommaText::contains(text, QString::fromUtf8(absent))) << absent;
}

} // namespace
