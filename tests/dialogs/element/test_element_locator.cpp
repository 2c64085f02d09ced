// Finding the element around the caret, reading only the text near it.
#include "dialogs/element/ElementLocator.h"
#include "editor/TextBuffer.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

// The text with "|" where the caret stands, and the caret.
std::pair<QString, TextPos> withCaret(const char *marked)
{
    QString text = QString::fromUtf8(marked);
    const qsizetype at = text.indexOf(u'|');
    text.remove(at, 1);
    const QString before = text.left(at);
    const int line = int(before.count(u'\n')) + 1;
    const int column = int(before.size() - before.lastIndexOf(u'\n') - 1);
    return {text, {line, column}};
}

TEST(ElementLocator, ElementsAroundTheCaret)
{
    const struct
    {
        const char *marked;
        const char *element; // what is selected for the dialog; null: nothing found
        const char *content;
    } cases[] = {
        {"<p><td val|ign=top width=\"50%\">x", "<td valign=top width=\"50%\">", ""},
        {"<td>te|kst", "<td>", ""}, // the caret in text after a tag
        {"<a href=\"x\">Fo|rside</a> <a href=\"y\">B</a>", "<a href=\"x\">Forside</a>", "Forside"},
        {"<A HREF=\"x\">Ja</A>|", "</A>", ""}, // an end tag, which nothing edits
        {"<A HREF=\"x\">J|a</A>", "<A HREF=\"x\">Ja</A>", "Ja"},
        {"<td\n  wid|th=\"3\">", "<td\n  width=\"3\">", ""}, // a tag over two lines
        // A self-closed paired element or one without its end tag stops at its start tag.
        {"<a na|me=\"x\" /> tekst <a href=\"y\">B</a>", "<a name=\"x\" />", ""},
        {"<a na|me=\"x\"> tekst <a href=\"y\">B</a>", "<a name=\"x\">", ""},
        {"<a na|me=\"x\"> <abbr>t</abbr> </a>", "<a name=\"x\"> <abbr>t</abbr> </a>", " <abbr>t</abbr> "},
        {"<title>|Side</title>", "<title>Side</title>", "Side"},
        {"<ol ty|pe=\"a\">\n\t<li>Et</li>\n</ol>\n<ul><li>x</li></ul>", "<ol type=\"a\">\n\t<li>Et</li>\n</ol>", ""},
        {"<UL>|<li>Et</li>", "<UL>", ""}, // no end tag: the start tag alone
        {"<ul>|<li>Et<ol><li>To</li></ol></li></ul>", nullptr, nullptr}, // a list in a list
        {"tekst| uden kode", nullptr, nullptr},
        {"<td wid|th=\"3\"", nullptr, nullptr},
        {"<img alt=\"a > b|\" src=\"x\">", nullptr, nullptr}, // an unclosed quote
    };
    for (const auto &c : cases) {
        const auto [text, caret] = withCaret(c.marked);
        TextBuffer buffer(text);
        const std::optional<LocatedElement> found = locateElementAt(buffer, caret);
        if (!c.element) {
            EXPECT_FALSE(found.has_value()) << c.marked;
            continue;
        }
        ASSERT_TRUE(found.has_value()) << c.marked;
        EXPECT_EQ(buffer.textBetween(found->start, found->end), QString::fromUtf8(c.element)) << c.marked;
        EXPECT_EQ(found->content, QString::fromUtf8(c.content)) << c.marked;
    }
}

TEST(ElementLocator, TheMapAroundAnArea)
{
    TextBuffer buffer(QStringLiteral("<p>map </p>\n<map name=\"k\">\n<area shape=\"rect\">\n</map>"));
    EXPECT_EQ(enclosingMapStart(buffer, {3, 0}), (TextPos{2, 0}));
    TextBuffer without(QStringLiteral("<p>map of the <mapx> site</p><area shape=\"rect\">"));
    EXPECT_FALSE(enclosingMapStart(without, {1, 29}).has_value());
}

TEST(ElementLocator, FirstStartTagOutsideScripts)
{
    TextBuffer buffer(QStringLiteral("<script>\nvar s = \"<style>\";\n</script>\n<styles>\n<STYLE type=\"text/css\">"));
    EXPECT_EQ(firstStartTagOutsideScripts(buffer, QStringLiteral("style")), (TextPos{5, 6}));
    EXPECT_FALSE(firstStartTagOutsideScripts(buffer, QStringLiteral("title")).has_value());
}

} // namespace
