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
        // Long enough to be compared sixteen places at a time, the match
        // in the middle or in the last bytes.
        {"long, in the middle", QByteArray(70, 'x') + "KaTTeGat" + QByteArray(40, 'y'), QStringLiteral("kattegat"), false, true},
        {"long, at the end", QByteArray(61, 'x') + "kattEGAT", QStringLiteral("Kattegat"), false, true},
        {"long, nearly", QByteArray(40, 'x') + "kattegak kattegat" + QByteArray(30, 'x'), QStringLiteral("kattegak kattegaq"),
         false, false},
        {"signs differing in 0x20", QByteArray(40, 'x') + "a`b", QStringLiteral("a@b"), false, false},
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
