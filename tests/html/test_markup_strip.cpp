#include "PlainConversions.h"
#include "html/MarkupStrip.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

TEST(MarkupStrip, RemovesCommentsTagsAndEmptyLines)
{
    const struct
    {
        const char *text, *result;
    } cases[] = {
        {"<p>Hej <b>verden</b></p>", "Hej verden"},
        {"<!-- a <b> -->tekst", "tekst"},
        {"<html>\r\n<body>\r\n\r\nTekst\r\n</body>\r\n</html>", "\r\nTekst\r\n"},
        {"<p>a</p>\n\n\n<p>b</p>\n", "a\nb\n"},
        // A closing mark before the first opening one stops the removal for good.
        {"a > b <i>x</i>", "a > b <i>x</i>"},
        {"<a>x>y<b>z", "x>y<b>z"},
        {"x --> <!-- c -->", "x --> <!-- c -->"},
        // What a removal joins together is removed in its turn.
        {"<!<!-- x -->-- y -->z", "z"},
        {"<a<b>c>", "c>"},
        {"<!-->tekst", "tekst"},
        // Unfinished markup stays.
        {"tekst <", "tekst <"},
        {"<b", "<b"},
        {"<!-- uden slut", "<!-- uden slut"},
        {"Ingen koder", "Ingen koder"},
        {"", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(StripMarkup(u(c.text)), u(c.result)) << c.text;
        // Removing "\n\r" pairs drops empty lines only where lines end in "\r\n".
        if (!u(c.text).remove(u("\r\n")).contains(QLatin1Char('\n'))) {
            EXPECT_EQ(Plain::strip(u(c.text)), u(c.result)) << c.text;
        }
    }
}

TEST(MarkupStrip, OnePassEqualsRemovingTheFirstPairAgainAndAgain)
{
    const QStringList pieces = {u("<"), u(">"), u("<!--"), u("-->"),  u("<!"),  u("--"),  u("-"),
                                u("!"), u("a"), u(" "),    u("\r\n"), u("<b>"), u("</p>")};
    QRandomGenerator random(5);
    for (int round = 0; round < 5000; ++round) {
        const QString text = Plain::randomText(random, pieces, 1 + round % 30);
        ASSERT_EQ(StripMarkup(text), Plain::strip(text)) << qPrintable(text);
    }
}

TEST(MarkupStrip, OnlyDeletesAndEndsOnLargeTexts)
{
    QString binary;
    for (int c = 0; c < 0x10000; ++c)
        binary += QChar(char16_t(c));
    binary += binary;
    const QString stripped = StripMarkup(binary);
    EXPECT_LT(stripped.size(), binary.size());
    EXPECT_TRUE(Plain::isSubsequence(stripped, binary));

    const QString tags = u("<b>x</b>").repeated(125000);
    EXPECT_EQ(StripMarkup(tags), u("x").repeated(125000));
    // Each removal makes a new comment out of its neighbours.
    const QString nested = u("<!").repeated(100000) + u("<!---->") + u("---->").repeated(100000) + u("z");
    EXPECT_EQ(StripMarkup(nested), u("z"));
    const QString openings = u("<!--<").repeated(200000);
    EXPECT_EQ(StripMarkup(openings), openings);
}

} // namespace
