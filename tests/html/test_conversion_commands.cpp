// The conversion commands on the editor seam, run on the in-memory text and on the editor.
#include "html/CharacterReferences.h"
#include "html/ConversionCommands.h"
#include "html/TextCase.h"
#include "support/EditableTextFixture.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QString toReferences(const QString &text)
{
    return DanishToReferences(text);
}

SelectionRecord sel(int line, int from, int to)
{
    return SelectionRecord::between({line, from}, {line, to});
}

template <typename T> using ConversionCommandsTest = EditableTextFixture<T>;
TYPED_TEST_SUITE(ConversionCommandsTest, EditableTextTypes);

TYPED_TEST(ConversionCommandsTest, WithoutASelectionOnlyTheBodyIsConverted)
{
    const struct
    {
        const char *text, *result;
    } cases[] = {
        {"<head><title>Blåbær</title></head>\n<BODY class=æ>\nBlåbær\n</BODY>\n<p>ø",
         "<head><title>Blåbær</title></head>\n<body class=&aelig;>\nBl&aring;b&aelig;r\n</body>\n<p>ø"},
        {"<head>\r\n<title>æ</title>\r\n</head>\r\n<body>\r\næ\r\n</body>",
         "<head>\r\n<title>æ</title>\r\n</head>\r\n<body>\r\n&aelig;\r\n</body>"},
        {"<frameset>ø<NOFRAMES>æ</NOFRAMES></frameset>", "<frameset>ø<noframes>&aelig;</noframes></frameset>"},
        {"<body>æ</body><body>ø</body>", "<body>&aelig;</body><body>ø</body>"},
        {"æ\nø", "&aelig;\n&oslash;"},
        // A body without its end tag runs to the end of the text.
        {"<title>æ</title><body>æ<p>ø", "<title>æ</title><body>&aelig;<p>&oslash;"},
        {"😀 æ<body>æ</body>", "😀 æ<body>&aelig;</body>"},
        {"", ""},
    };
    for (const auto &c : cases) {
        EditableText &text = this->withText(u(c.text));
        ConvertDocumentCharacters(text, toReferences);
        EXPECT_EQ(text.GetText(), u(c.result)) << c.text;
        EXPECT_EQ(CharacterConversionRange(u(c.text)).apply(u(c.text), toReferences), u(c.result)) << c.text;
    }
}

TYPED_TEST(ConversionCommandsTest, ASelectionIsConvertedAlone)
{
    EditableText &text = this->withText(u("æø\n<body>å</body>"));
    text.SetSelection(SelectionRecord::between({1, 2}, {1, 1}));
    ConvertDocumentCharacters(text, toReferences);
    EXPECT_EQ(text.GetText(), u("æ&oslash;\n<body>å</body>"));
}

TYPED_TEST(ConversionCommandsTest, MarkupCommandsKeepTheSelection)
{
    EditableText &text = this->withText(u("<P>\n<B>fed</B>"));
    const SelectionRecord selection = SelectionRecord::between({2, 1}, {2, 3});
    text.SetSelection(selection);
    ConvertDocumentMarkup(text, false, false);
    EXPECT_EQ(text.GetText(), u("<p>\n<b>fed</b>"));
    EXPECT_EQ(text.GetSelection(), selection);

    StripDocumentMarkup(text);
    EXPECT_EQ(text.GetText(), u("\nfed"));
}

TYPED_TEST(ConversionCommandsTest, AReadOnlyTextIsLeftAlone)
{
    EditableText &text = this->withText(u("<P>æ</P>"));
    text.SetReadOnly(true);
    ConvertDocumentCharacters(text, toReferences);
    ConvertDocumentMarkup(text, false, true);
    StripDocumentMarkup(text);
    ConvertSelectionCase(text, TextCaseMode::Upper);
    EXPECT_EQ(text.GetText(), u("<P>æ</P>"));
}

TYPED_TEST(ConversionCommandsTest, TextCaseLooksJustBeforeTheSelectionForWordsAndSentences)
{
    const struct
    {
        TextCaseMode mode;
        const char *text;
        SelectionRecord selection;
        const char *result;
    } cases[] = {
        // Nothing selected: the whole text, its first letter counted as a line start.
        {TextCaseMode::WordInitials, "hej med dig\nog dig", sel(1, 0, 0), "Hej Med Dig\nog Dig"},
        {TextCaseMode::SentenceInitials, "hej. og dig", sel(1, 0, 0), "Hej. Og dig"},
        // Inside a line: the blank or ". " before the selection counts.
        {TextCaseMode::WordInitials, "hej med dig", sel(1, 4, 11), "hej Med Dig"},
        {TextCaseMode::WordInitials, "hej med dig", sel(1, 11, 5), "hej med Dig"},
        {TextCaseMode::SentenceInitials, "Slut. ny sætning", sel(1, 6, 16), "Slut. Ny sætning"},
        {TextCaseMode::SentenceInitials, "Slut ny sætning", sel(1, 5, 15), "Slut ny sætning"},
        {TextCaseMode::WordInitials, "😀 😀 ab", sel(1, 4, 6), "😀 😀 Ab"},
        // Column 0 and 1 are line starts: the first letter is raised.
        {TextCaseMode::WordInitials, "xhej du", sel(1, 1, 7), "xHej Du"},
        {TextCaseMode::SentenceInitials, "øl", sel(1, 0, 2), "Øl"},
        {TextCaseMode::LetterSpacing, "abc", sel(1, 0, 3), "a b c "},
        {TextCaseMode::Upper, "abc def", sel(1, 4, 7), "abc DEF"},
    };
    for (const auto &c : cases) {
        EditableText &text = this->withText(u(c.text));
        text.SetSelection(c.selection);
        ConvertSelectionCase(text, c.mode);
        EXPECT_EQ(text.GetText(), u(c.result)) << c.text;
    }
}

TEST(ConversionRange, NamesTheConvertedPart)
{
    const QString text = u("<p><Body x>a</bOdy>b");
    const ConversionRange range = CharacterConversionRange(text);
    EXPECT_EQ(range.element, u("body"));
    EXPECT_TRUE(range.closed);
    EXPECT_EQ(text.mid(range.from, range.to - range.from), u("<Body x>a</bOdy>"));
    EXPECT_EQ(text.mid(range.innerFrom, range.innerTo - range.innerFrom), u(" x>a"));
}

} // namespace
