// The byte check that spares a search decoding most files: it may let a file
// through that holds no match, but never rule out one that does.
#include "search/BytePrefilter.h"
#include "search/FileText.h"
#include "search/TextMatches.h"

#include <gtest/gtest.h>

namespace {

TEST(BytePrefilterTest, NeverRulesOutAFileThatMatches)
{
    struct Case
    {
        const char *name;
        QByteArray bytes;
        QString find;
        bool matchCase;
        bool matches;
    };
    const QList<Case> cases = {
        {"ascii", "en kat", QStringLiteral("kat"), true, true},
        {"ascii absent", "en hund", QStringLiteral("kat"), true, false},
        {"ascii without case", "en KAT", QStringLiteral("kat"), false, true},
        {"utf-8 letters", "bl\xC3\xA5", QStringLiteral("blå"), true, true},
        {"windows-1252 letters", "bl\xE5 \xFF", QStringLiteral("blå"), true, true},
        {"utf-8 letters without case", "BL\xC3\x85", QStringLiteral("blå"), false, true},
        {"windows-1252 letters without case", "BL\xC5 \xFF", QStringLiteral("blå"), false, true},
        // Letters outside ASCII that match ASCII ones when case is ignored.
        {"long s", "\xC5\xBFide", QStringLiteral("side"), false, true},
        {"kelvin sign",
         "\xE2\x84\xAA"
         "at",
         QStringLiteral("kat"), false, true},
        {"line breaks of the file", "en\r\nkat", QStringLiteral("en\nkat"), true, true},
    };
    for (const Case &test : cases) {
        SearchQuery query;
        query.text = test.find;
        query.matchCase = test.matchCase;
        const bool matches = !findMatches(decodeFileText(test.bytes).text, query).isEmpty();
        ASSERT_EQ(matches, test.matches) << test.name;
        const bool mayMatch = BytePrefilter(query).mayMatch(test.bytes);
        EXPECT_EQ(mayMatch, matches) << test.name;
    }
}

} // namespace
