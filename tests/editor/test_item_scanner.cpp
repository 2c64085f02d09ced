#include "editor/ItemScanner.h"

#include <gtest/gtest.h>

namespace {

using ItemScanner::RunKind;
using ItemScanner::State;

// The runs as "Kind[text]" pieces: T text, P punctuation, F first word, W word,
// D and S quoted values, E the rest of a comment or script (with its first word).
std::string describe(const QByteArray &text, State start = State::Outside, bool multiline = true)
{
    ItemScanner::Result result;
    ItemScanner::scan(text.constData(), text.size(), start, QByteArrayLiteral("!--"), multiline, result);
    std::string out;
    qsizetype enclosed = 0;
    qsizetype covered = 0;
    for (const auto &run : result.runs) {
        EXPECT_EQ(run.start, covered) << "runs must be consecutive";
        covered = run.start + run.length;
        const char kind = "TFWPDSE"[static_cast<int>(run.kind)];
        out += kind;
        if (run.kind == RunKind::Enclosed)
            out.append("(").append(result.enclosingWords.value(enclosed++).toStdString()).append(")");
        out.append("[").append(text.mid(run.start, run.length).toStdString()).append("]");
    }
    EXPECT_EQ(covered, text.size());
    return out;
}

TEST(ItemScanner, FindsItemsAndTheirWords)
{
    const struct
    {
        const char *text;
        const char *runs;
    } cases[] = {
        {"plain", "T[plain]"},
        {"a<p class=\"x y\">b", "T[a]P[<]F[p]P[ ]W[class]P[=]D[\"x y\"]P[>]T[b]"},
        {"</TD>", "P[</]F[TD]P[>]"},
        {"<br/>", "P[<]F[br]P[/>]"},
        {"<img alt='it''s'>", "P[<]F[img]P[ ]W[alt]P[=]S['it']S['s']P[>]"},
        {"<!-- a > b --> c", "E(!--)[<]F[!--]E(!--)[ a > b -->]T[ c]"},
        {"<% x = 1 %>z", "E(%)[<]F[%]E(%)[ x = 1 %>]T[z]"},
        {"<?PHP echo 1; ?>", "E(?PHP)[<]F[?PHP]E(?PHP)[ echo 1; ?>]"},
        {"<?xml version=\"1.0\"?>", "E(?)[<]F[?]E(?)[xml version=\"1.0\"?>]"},
        {"<>", "P[<>]"},
        {"x < y", "T[x ]P[< ]W[y]"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(describe(c.text), c.runs) << c.text;
}

TEST(ItemScanner, ItemsContinueAcrossLinesWithTheirState)
{
    ItemScanner::Result result;
    const QByteArray text("<a\nhref=\"x\ny\">\n<!-- one\ntwo -->\n");
    ItemScanner::scan(text.constData(), text.size(), State::Outside, {}, true, result);
    EXPECT_EQ(result.lineEnds,
              (QList<State>{State::InTag, State::InDoubleQuotes, State::Outside, State::InComment, State::Outside}));
    EXPECT_EQ(describe("still in comment --> out", State::InComment), "E(!--)[still in comment -->]T[ out]");
    EXPECT_EQ(describe("b\" c>", State::InDoubleQuotes), "D[b\"]P[ ]W[c]P[>]");

    // Every kind of line break ends a line.
    for (const QByteArray &breaks : {QByteArray("\n"), QByteArray("\r\n"), QByteArray("\r")}) {
        const QByteArray lines = "<!-- a" + breaks + "b -->" + breaks + "c" + breaks;
        ItemScanner::scan(lines.constData(), lines.size(), State::Outside, {}, true, result);
        EXPECT_EQ(result.lineEnds, (QList<State>{State::InComment, State::Outside, State::Outside}))
            << breaks.toHex().toStdString();
    }

    // Without multiline items a line break ends any item.
    ItemScanner::scan(text.constData(), text.size(), State::Outside, {}, false, result);
    EXPECT_EQ(result.lineEnds.first(), State::Outside);
}

TEST(ItemScanner, AResyncPointLiesAtAnOpenItemOrWhereAsked)
{
    const QByteArray text("<p>text <a href=\"x\">more");
    EXPECT_EQ(ItemScanner::resyncPoint(text.constData(), 3), 3); // just after ">"
    EXPECT_EQ(ItemScanner::resyncPoint(text.constData(), 12), 8); // inside "<a"
    EXPECT_EQ(ItemScanner::resyncPoint(text.constData(), 12, 2), 12); // nothing near enough
}

} // namespace
