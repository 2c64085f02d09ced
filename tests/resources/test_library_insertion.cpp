// What a library node inserts, decided from the node alone, and the search
// over node texts.
#include "resources/LibraryInsertion.h"
#include "resources/LibrarySearch.h"

#include <gtest/gtest.h>

namespace {

using LibraryInsertion::Insertion;
using LibraryInsertion::Library;
using Mode = Insertion::Mode;

constexpr int Folder = 1000;
constexpr int Element = 1200;
constexpr int Attribute = 1300;

LibraryInsertion::Node node(const QString &text, int level, int kind = 0, bool hasChildren = false,
                            const QStringList &ticked = {}, const QStringList &ancestors = {}, int category = -1)
{
    return {text, level, kind, hasChildren, ticked, ancestors, category};
}

TEST(LibraryInsertion, HtmlNodes)
{
    const struct
    {
        const char *what;
        LibraryInsertion::Node node;
        Mode mode;
        const char *text;
        const char *close;
    } cases[] = {
        {"table with two ticked attributes", node("<table></table>", 2, 1250, true, {"border=\"1\"", "width=\"\""}), Mode::Wrap,
         "<table border=\"1\" width=\"\">", "</table>"},
        {"table with nothing ticked", node("<table></table>", 2, 1250, true), Mode::Wrap, "<table>", "</table>"},
        {"end tag split at the first ><", node("<p><b></b></p>", 2, 1200), Mode::Wrap, "<p>", "<b></b></p>"},
        {"element without end tag gets its slash", node("<img>", 2, Element), Mode::AtCaret, "<img />", ""},
        {"existing slash stays single after attributes", node("<br />", 2, Element, true, {"class=\"\""}), Mode::AtCaret,
         "<br class=\"\" />", ""},
        {"slash kept without attributes", node("<hr />", 2, Element, true), Mode::AtCaret, "<hr />", ""},
        {"attribute at level 3", node("border=\"\"", 3, Attribute), Mode::AtCaret, "border=\"\"", ""},
        {"comment node encloses the selection", node("<!--   -->", 2, Element), Mode::Enclose, "<!-- ", " -->"},
        {"folder at the element level", node("Hændelser", 2, Folder, true), Mode::Nothing, "", ""},
        {"category", node("Struktur", 1, Folder, true), Mode::Nothing, "", ""},
        {"root", node("HTML", 0, 0, true), Mode::Nothing, "", ""},
    };
    for (const auto &c : cases) {
        const Insertion insertion = LibraryInsertion::insertionFor(Library::Html, c.node);
        EXPECT_EQ(insertion.mode, c.mode) << c.what;
        EXPECT_EQ(insertion.text, QString::fromUtf8(c.text)) << c.what;
        EXPECT_EQ(insertion.close, QString::fromUtf8(c.close)) << c.what;
        EXPECT_EQ(LibraryInsertion::inserts(Library::Html, c.node), c.mode != Mode::Nothing) << c.what;
    }
}

TEST(LibraryInsertion, StyleAndScriptNodes)
{
    const struct
    {
        const char *what;
        Library library;
        LibraryInsertion::Node node;
        const char *text; // empty: nothing
    } cases[] = {
        {"property", Library::Css, node("color", 2, 2300), "color:"},
        {"CSS category", Library::Css, node("Farver", 1, Folder, true), ""},
        {"member of the tenth category", Library::JavaScript, node("write", 2, 2900, false, {}, {"document"}, 9),
         "document.write"},
        {"member of the eleventh category", Library::JavaScript, node("push", 2, 3100, false, {}, {"Array"}, 10), "push"},
        {"deeper member", Library::JavaScript, node("href", 3, 2900, false, {}, {"window", "location"}, 0),
         "window.location.href"},
        {"deeper member of a late category keeps its prefix", Library::JavaScript,
         node("length", 3, 2900, false, {}, {"Array", "prototype"}, 12), "Array.prototype.length"},
        {"script node with children", Library::JavaScript, node("location", 2, 2900, true, {}, {"window"}, 0), ""},
    };
    for (const auto &c : cases) {
        const Insertion insertion = LibraryInsertion::insertionFor(c.library, c.node);
        const bool inserts = *c.text != '\0';
        EXPECT_EQ(insertion.mode, inserts ? Mode::AtCaret : Mode::Nothing) << c.what;
        EXPECT_EQ(insertion.text, QString::fromUtf8(c.text)) << c.what;
        EXPECT_EQ(LibraryInsertion::inserts(c.library, c.node), inserts) << c.what;
    }
}

TEST(LibrarySearch, FindsTheNextNodeAfterThePositionIgnoringTheCaseOfAToZ)
{
    const QStringList texts = {"HTML", "Struktur", "<table></table>", "Tabeller", "TABINDEX=\"\"", "Æble", "æble"};
    EXPECT_EQ(LibrarySearch::nextMatch(texts, 0, QStringLiteral("tab")), 2);
    EXPECT_EQ(LibrarySearch::nextMatch(texts, 2, QStringLiteral("tab")), 3);
    EXPECT_EQ(LibrarySearch::nextMatch(texts, 3, QStringLiteral("TAB")), 4);
    EXPECT_EQ(LibrarySearch::nextMatch(texts, 4, QStringLiteral("tab")), -1);
    EXPECT_EQ(LibrarySearch::nextMatch(texts, 0, QString()), -1);
    // The search starts after the position: the root is not found from 0.
    EXPECT_EQ(LibrarySearch::nextMatch(texts, 0, QStringLiteral("html")), -1);
    // Only A-Z are lowered: Æ and æ stay different.
    EXPECT_EQ(LibrarySearch::nextMatch(texts, 0, QStringLiteral("æble")), 6);
}

} // namespace
