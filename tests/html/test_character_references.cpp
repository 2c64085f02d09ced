#include "PlainConversions.h"
#include "html/AutomaticConversion.h"
#include "html/CharacterReferences.h"
#include "html/ConversionCommands.h"
#include "resources/SpecialCharacters.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

TEST(ReplaceAll, ReplacesEveryOccurrenceOnceFromLeftToRight)
{
    const struct
    {
        const char *text, *find, *replacement, *result;
    } cases[] = {
        {"blåbær", "å", "&aring;", "bl&aring;bær"},
        {"aaa", "aa", "b", "ba"}, // matches do not overlap
        {"abc", "", "x", "abc"}, // nothing to find
        {"", "a", "b", ""},
        {"a.b.c", ".", "", "abc"},
        {"x", "x", "xx", "xx"}, // the replacement holds the search text
        {"&aelig;&aelig;", "&aelig;", "æ", "ææ"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ReplaceAll(u(c.text), u(c.find), u(c.replacement)), u(c.result)) << c.text << " " << c.find;
}

TEST(ReplaceAll, EndsWhereSearchingFromTheStartAgainWouldNeverEnd)
{
    EXPECT_FALSE(Plain::replaceAll(u("<p>"), u("p"), u("pp"), 1000).has_value());
    EXPECT_EQ(ReplaceAll(u("<p>p"), u("p"), u("pp")), u("<pp>pp"));
}

// On every row of the tables one pass gives what searching again from the start gives.
TEST(ReplaceAll, OnePassEqualsRepeatedSearchOnTheReferenceTables)
{
    QStringList pieces = {u("a"), u(" "), u("&"), u(";"), u("#"), u("lig"), u("&ae"), u("&#2"), u("30;")};
    QList<std::pair<QString, QString>> rows;
    for (const DanishReference &row : DanishReferenceTable) {
        pieces << QString(row.letter) << QString(row.named) << QString(row.numeric);
        rows.append({QString(row.letter), QString(row.named)});
        rows.append({QString(row.named), QString(row.letter)});
        rows.append({QString(row.numeric), QString(row.letter)});
    }
    QRandomGenerator random(7);
    for (int round = 0; round < 300; ++round) {
        const QString text = Plain::randomText(random, pieces, 40);
        for (const auto &[find, replacement] : rows)
            ASSERT_EQ(ReplaceAll(text, find, replacement), *Plain::replaceAll(text, find, replacement)) << qPrintable(text);
    }
}

TEST(DanishLetters, BlaabaergroedToReferencesAndBack)
{
    const QString word = u("Blåbærgrød ÆØÅ");
    const QString coded = u("Bl&aring;b&aelig;rgr&oslash;d &AElig;&Oslash;&Aring;");
    EXPECT_EQ(DanishToReferences(word), coded);
    EXPECT_EQ(ReferencesToDanish(coded), word);
    EXPECT_EQ(ReferencesToDanish(u("&#230;&#248;&#229;&#198;&#216;&#197; &aelig;")), u("æøåÆØÅ æ"));
    EXPECT_EQ(ReferencesToDanish(u("&AELIG; &aelig &#230 &amp;")), u("&AELIG; &aelig &#230 &amp;")); // exact only
    EXPECT_EQ(DanishToReferences(u("abc <p>")), u("abc <p>"));
}

TEST(DanishLetters, ProgressIsToldAfterEachLetter)
{
    QList<int> seen;
    DanishToReferences(u("æ"), [&](int percent) { seen.append(percent); });
    EXPECT_EQ(seen, (QList<int>{16, 33, 50, 66, 83, 100}));
    seen.clear();
    ReferencesToDanish(u("no references"), [&](int percent) { seen.append(percent); });
    EXPECT_TRUE(seen.isEmpty()); // no "&": nothing to do
}

QList<SpecialCharacterRow> specialRows()
{
    QList<SpecialCharacterRow> rows = {
        {u("&"), u("&amp;"), u("&#38;")},
        {u("<"), u("&lt;"), u("&#60;")},
        {u(">"), u("&gt;"), u("&#62;")},
        {u("\""), u("&quot;"), u("&#34;")},
        {u("'"), u("&#39;"), u("&#39;")},
        {QString(QChar(0xA0)), u("&nbsp;"), u("&#160;")},
        {QString(QChar(0xAD)), u("&shy;"), u("&#173;")},
        {u("©"), u("&copy;"), u("&#169;")},
        {u("½"), u("&frac12;"), u("&#189;")},
        {u("€"), u("&euro;"), u("&#8364;")},
        {u("¤"), QString(), u("&#164;")}, // no named reference
        // ASCII characters and second names of the first seven: listed, never converted
        {u("&"), u("&AMP;"), u("&#38;")},
        {u(";"), u("&semi;"), u("&#59;")},
        {u("="), u("&equals;"), u("&#61;")},
        {QString(QChar(0xA0)), u("&NonBreakingSpace;"), u("&#160;")},
    };
    return rows;
}

TEST(SpecialCharacters, OnlyRowsFromTheEighthOnAreConverted)
{
    const QList<SpecialCharacterRow> rows = specialRows();
    const QString text = u("<p class=\"x\">© ½ € ¤ & ' \u00a0</p>");
    const QString coded = u("<p class=\"x\">&copy; &frac12; &euro; ¤ & ' \u00a0</p>");
    EXPECT_EQ(SpecialToReferences(text, rows), coded);
    EXPECT_EQ(ReferencesToSpecial(coded, rows), text);
    EXPECT_EQ(ReferencesToSpecial(u("&amp; &lt; &nbsp; &#169;"), rows), u("&amp; &lt; &nbsp; &#169;"));
    const QString escaped = u("a&AMP;b&semi;c&equals;d&NonBreakingSpace;");
    EXPECT_EQ(ReferencesToSpecial(escaped, rows), escaped);
    EXPECT_EQ(SpecialToReferences(u("<a href=\"x\">;</a>"), rows), u("<a href=\"x\">;</a>"));
    EXPECT_EQ(SpecialToReferences(text, rows.mid(0, 7)), text);
    EXPECT_EQ(SpecialToReferences(text, {}), text);
    // A row whose reference is no named one ("&name;") is left alone.
    EXPECT_EQ(SpecialToReferences(u("—"), rows + QList<SpecialCharacterRow>{{u("—"), u("&#8212;"), u("&#8212;")}}), u("—"));
}

TEST(SpecialCharacters, ProgressFollowsTheRows)
{
    QList<int> seen;
    SpecialToReferences(u("x"), specialRows(), [&](int percent) { seen.append(percent); });
    EXPECT_EQ(seen, (QList<int>{46, 53, 60, 66, 73, 80, 86, 93}));
}

// Both directions against the row-by-row conversion, on texts drawn from the pieces.
void expectRowByRowResults(const QList<SpecialCharacterRow> &rows, const QStringList &pieces, QRandomGenerator &random, int texts,
                           int length)
{
    for (int round = 0; round < texts; ++round) {
        const QString text = Plain::randomText(random, pieces, length);
        const QString coded = SpecialToReferences(text, rows);
        ASSERT_EQ(coded, Plain::specialToReferences(text, rows, FirstConvertedSpecialRow)) << qPrintable(text);
        for (const QString &codes : {text, coded})
            ASSERT_EQ(ReferencesToSpecial(codes, rows), Plain::referencesToSpecial(codes, rows, FirstConvertedSpecialRow))
                << qPrintable(codes);
    }
}

TEST(SpecialCharacters, OnePassEqualsRowByRowOnTheShippedList)
{
    const QList<SpecialCharacterRow> rows =
        LoadSpecialCharacterRows(QStringLiteral(PAGEWICK_DATA_DIR "/specialtegn.dat")).value_or(QList<SpecialCharacterRow>());
    ASSERT_GT(rows.size(), 2000);
    QStringList pieces = {u("a"), u(" "), u("&"), u(";"), u("<p class=\"x\">"), u("&amp"), u("&#"), u("\u00a0")};
    // The characters that stand for two code points, their parts and what
    // else starts with those parts: where rows compete for characters.
    QStringList competing;
    for (const SpecialCharacterRow &row : rows) {
        pieces << row.character << row.html << row.html.chopped(1);
        if (row.character.size() == 2 && !row.character[0].isHighSurrogate())
            competing << row.character << row.html << QString(row.character[0]) << QString(row.character[1]);
    }
    for (const SpecialCharacterRow &row : rows) {
        if (!row.character.isEmpty() && competing.contains(QString(row.character[0])))
            competing << row.character;
    }
    QRandomGenerator random(11);
    expectRowByRowResults(rows, pieces, random, 300, 80);
    expectRowByRowResults(rows, competing, random, 300, 40);
    // A medium space and a hair space are one reference of their own, but the
    // hair space's row comes first and takes it.
    EXPECT_EQ(SpecialToReferences(u("\u205f\u200a \u205f"), rows), u("&MediumSpace;&hairsp; &MediumSpace;"));
    EXPECT_EQ(SpecialToReferences(u("\u2242\u0338 \u2242 Blåbær ;"), rows), u("&nesim; &esim; Bl&aring;b&aelig;r ;"));
}

// Rows whose characters overlap in every way, in random order, with
// characters of two UTF-16 units among them.
TEST(SpecialCharacters, OverlappingCharactersAreTakenAsRowByRow)
{
    const QStringList letters = {u("α"), u("β"), u("γ"), u("𝔄")};
    QRandomGenerator random(5);
    for (int list = 0; list < 300; ++list) {
        QList<SpecialCharacterRow> rows = specialRows().mid(0, FirstConvertedSpecialRow);
        const int count = random.bounded(1, 9);
        for (int row = 0; row < count; ++row) {
            const QString character = Plain::randomText(random, letters, random.bounded(1, 4));
            rows.append({character, u("&r%1;").arg(row), QString()});
        }
        expectRowByRowResults(rows, letters + QStringList{u("x"), u("&r1;"), u("&r2;")}, random, 20, 30);
    }
}

TEST(AutomaticConversion, SavingKeepsTheHeadAndOpeningGivesTheLettersBack)
{
    const struct
    {
        const char *text, *saved;
    } cases[] = {
        {"<title>æ</title></HEAD><p>ø</p>", "<title>æ</title></HEAD><p>&oslash;</p>"},
        {"<title>æ</title></head><p>ø</p>", "<title>æ</title></head><p>&oslash;</p>"},
        {"<title>æ</title></HEAD>å</head>ø", "<title>æ</title></HEAD>&aring;</head>&oslash;"},
        {"<title>æ</title></Head><p>ø</p>", "<title>&aelig;</title></Head><p>&oslash;</p>"}, // exact case only
        {"æøå", "&aelig;&oslash;&aring;"},
        {"", ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(SaveTimeConversion(u(c.text)), u(c.saved)) << c.text;
        EXPECT_EQ(OpenTimeConversion(u(c.saved)), u(c.text));
    }
    EXPECT_EQ(OpenTimeConversion(u("&aelig;&#248;")), u("æø"));
}

TEST(CharacterConversions, BinaryAndHugeTextsComeThroughWhole)
{
    QString binary;
    for (int c = 0; c < 0x10000; c += 3)
        binary += QChar(char16_t(c)); // lone surrogate halves and the Danish letters among them
    const QList<SpecialCharacterRow> rows = specialRows();
    EXPECT_EQ(ReferencesToDanish(DanishToReferences(binary)), binary);
    EXPECT_EQ(ReferencesToSpecial(SpecialToReferences(binary, rows), rows), binary);
    const QString line = QString(u("æ&aelig;ø")).repeated(120000); // one line of about 1 MB
    EXPECT_EQ(ReferencesToDanish(line), QString(u("ææø")).repeated(120000));
    EXPECT_EQ(ReferencesToSpecial(SpecialToReferences(line, rows), rows), line);
}

// A page of megabytes converted a piece at a time, cut where
// CharacterConversionCut allows, is converted as the whole page is.
TEST(CharacterConversions, InPiecesThePageIsConvertedAsAWhole)
{
    const QList<SpecialCharacterRow> rows =
        LoadSpecialCharacterRows(QStringLiteral(PAGEWICK_DATA_DIR "/specialtegn.dat")).value_or(QList<SpecialCharacterRow>());
    ASSERT_GT(rows.size(), 2000);
    // References and characters right up to every place a piece may end.
    const QString body = u("æ&aring;&#248;\u2242\u0338&nesim;\u205f\u200a<b>&oslash;&AMP;\r\n").repeated(60000);
    const QString pages[] = {u("<head>æ</head><BODY>") + body + u("</BODY>ø"), body, u("<body>") + body};
    const Converter conversions[] = {
        [](const QString &text) { return DanishToReferences(text); },
        [](const QString &text) { return ReferencesToDanish(text); },
        [&](const QString &text) { return SpecialToReferences(text, rows); },
        [&](const QString &text) { return ReferencesToSpecial(text, rows); },
    };
    for (const QString &page : pages) {
        const ConversionRange range = CharacterConversionRange(page);
        for (const Converter &convert : conversions) {
            QString joined;
            range.applyInPieces(page, convert, [&](QStringView piece) { joined += piece; });
            EXPECT_TRUE(joined == range.apply(page, convert)) << page.size();
        }
    }
}

} // namespace
