#include "editor/TextBuffer.h"
#include "html/CharacterReferences.h"
#include "html/ConversionCommands.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QString toReferences(const QString &text)
{
    return DanishToReferences(text);
}

TEST(ConversionCommands, WithoutASelectionOnlyTheBodyIsConverted)
{
    const struct
    {
        const char *text, *result;
    } cases[] = {
        {"<head><title>Blåbær</title></head>\r\n<BODY class=æ>\r\nBlåbær\r\n</BODY>\r\n<p>ø",
         "<head><title>Blåbær</title></head>\r\n<body class=&aelig;>\r\nBl&aring;b&aelig;r\r\n</body>\r\n<p>ø"},
        {"<frameset>ø<NOFRAMES>æ</NOFRAMES></frameset>", "<frameset>ø<noframes>&aelig;</noframes></frameset>"},
        {"<body>æ</body><body>ø</body>", "<body>&aelig;</body><body>ø</body>"},
        {"æ\nø", "&aelig;\n&oslash;"},
        // A body without its end tag runs to the end of the text.
        {"<title>æ</title><body>æ<p>ø", "<title>æ</title><body>&aelig;<p>&oslash;"},
        {"😀 æ<body>æ</body>", "😀 æ<body>&aelig;</body>"},
        {"", ""},
    };
    for (const auto &c : cases) {
        TextBuffer text(u(c.text));
        ConvertDocumentCharacters(text, toReferences);
        EXPECT_EQ(text.GetText(), u(c.result)) << c.text;
        EXPECT_EQ(CharacterConversionRange(u(c.text)).apply(u(c.text), toReferences), u(c.result)) << c.text;
    }
}

TEST(ConversionCommands, TheRangeNamesTheConvertedPart)
{
    const QString text = u("<p><Body x>a</bOdy>b");
    const ConversionRange range = CharacterConversionRange(text);
    EXPECT_EQ(range.element, u("body"));
    EXPECT_TRUE(range.closed);
    EXPECT_EQ(text.mid(range.from, range.to - range.from), u("<Body x>a</bOdy>"));
    EXPECT_EQ(text.mid(range.innerFrom, range.innerTo - range.innerFrom), u(" x>a"));
}

TEST(ConversionCommands, ASelectionIsConvertedAlone)
{
    TextBuffer text(u("æø\n<body>å</body>"));
    text.SetSelection(SelectionRecord::between({1, 2}, {1, 1}));
    ConvertDocumentCharacters(text, toReferences);
    EXPECT_EQ(text.GetText(), u("æ&oslash;\n<body>å</body>"));
}

TEST(ConversionCommands, MarkupCommandsKeepTheSelection)
{
    TextBuffer text(u("<P>\n<B>fed</B>"));
    const SelectionRecord selection = SelectionRecord::between({2, 1}, {2, 3});
    text.SetSelection(selection);
    ConvertDocumentMarkup(text, false, false);
    EXPECT_EQ(text.GetText(), u("<p>\n<b>fed</b>"));
    EXPECT_EQ(text.GetSelection(), selection);

    StripDocumentMarkup(text);
    EXPECT_EQ(text.GetText(), u("\nfed"));
}

TEST(ConversionCommands, AReadOnlyTextIsLeftAlone)
{
    TextBuffer text(u("<P>æ</P>"));
    text.SetReadOnly(true);
    ConvertDocumentCharacters(text, toReferences);
    ConvertDocumentMarkup(text, false, true);
    StripDocumentMarkup(text);
    EXPECT_EQ(text.GetText(), u("<P>æ</P>"));
}

} // namespace
