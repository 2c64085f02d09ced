// Finding and replacing in one text: lines, columns, case, whole words and
// find texts of several lines.
#include "search/TextMatches.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct FindCase
{
    const char *name;
    QString text;
    SearchQuery query;
    QList<SearchMatch> expected;
};

SearchQuery query(const QString &text, bool matchCase = true, bool wholeWord = false)
{
    SearchQuery query;
    query.text = text;
    query.matchCase = matchCase;
    query.wholeWord = wholeWord;
    return query;
}

// The matches as "line:column:text", readable where a test fails.
QStringList shown(const QList<SearchMatch> &matches)
{
    QStringList rows;
    for (const SearchMatch &match : matches)
        rows.append(QStringLiteral("%1:%2:%3").arg(match.line).arg(match.column).arg(match.lineText));
    return rows;
}

TEST(TextMatchesTest, FindsEveryMatchWithItsLineAndColumn)
{
    const QList<FindCase> cases = {
        {"lf",
         QStringLiteral("a kat\nkat og kat\n"),
         query(QStringLiteral("kat")),
         {{1, 2, QStringLiteral("a kat")}, {2, 0, QStringLiteral("kat og kat")}, {2, 7, QStringLiteral("kat og kat")}}},
        {"cr lf and a lone cr", QStringLiteral("x\r\ny\rz kat"), query(QStringLiteral("kat")), {{3, 2, QStringLiteral("z kat")}}},
        {"columns in characters",
         QStringLiteral("\U0001F600 kat"),
         query(QStringLiteral("kat")),
         {{1, 2, QStringLiteral("\U0001F600 kat")}}},
        {"no overlap",
         QStringLiteral("aaaa"),
         query(QStringLiteral("aa")),
         {{1, 0, QStringLiteral("aaaa")}, {1, 2, QStringLiteral("aaaa")}}},
        {"case", QStringLiteral("Hans hans"), query(QStringLiteral("hans")), {{1, 5, QStringLiteral("Hans hans")}}},
        {"without case",
         QStringLiteral("Hans ÆBLE"),
         query(QStringLiteral("æble"), false),
         {{1, 5, QStringLiteral("Hans ÆBLE")}}},
        {"whole words",
         QStringLiteral("jamen ja_ ja."),
         query(QStringLiteral("ja"), true, true),
         {{1, 10, QStringLiteral("jamen ja_ ja.")}}},
        {"several lines in a cr lf text",
         QStringLiteral("<p>\r\nen\r\nto</p>"),
         query(QStringLiteral("en\nto")),
         {{2, 0, QStringLiteral("en")}}},
        {"several lines in an lf text",
         QStringLiteral("<p>\nen\nto</p>"),
         query(QStringLiteral("en\r\nto")),
         {{2, 0, QStringLiteral("en")}}},
    };
    for (const FindCase &test : cases)
        EXPECT_EQ(shown(findMatches(test.text, test.query)), shown(test.expected)) << test.name;
}

TEST(TextMatchesTest, ReplacesOnTheTextAsItIsKeepingEverythingElse)
{
    struct ReplaceCase
    {
        const char *name;
        QString text;
        SearchQuery query;
        QString replacement;
        QString expected;
        int count;
    };
    const QList<ReplaceCase> cases = {
        {"case", QStringLiteral("Hans og hans"), query(QStringLiteral("hans")), QStringLiteral("X"), QStringLiteral("Hans og X"),
         1},
        // Upper-casing "ß" gives "SS", so positions taken from an upper-cased
        // copy would cut the text in the wrong places.
        {"without case after ß", QStringLiteral("Straße Hans og hans"), query(QStringLiteral("HANS"), false), QStringLiteral("X"),
         QStringLiteral("Straße X og X"), 2},
        {"a replacement is not searched again", QStringLiteral("aa"), query(QStringLiteral("a")), QStringLiteral("aa"),
         QStringLiteral("aaaa"), 2},
        {"line breaks as the text's own", QStringLiteral("a\r\nb\r\nc"), query(QStringLiteral("a\nb")), QStringLiteral("x\ny"),
         QStringLiteral("x\r\ny\r\nc"), 1},
        {"nothing found", QStringLiteral("abc"), query(QStringLiteral("x")), QStringLiteral("y"), QStringLiteral("abc"), 0},
    };
    for (const ReplaceCase &test : cases) {
        int count = -1;
        EXPECT_EQ(replaceMatches(test.text, test.query, test.replacement, count), test.expected) << test.name;
        EXPECT_EQ(count, test.count) << test.name;
    }
}

} // namespace
