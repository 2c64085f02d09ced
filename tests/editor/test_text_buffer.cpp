#include "EditableTextContract.h"

#include "editor/TextBuffer.h"

namespace {

struct TextBufferFactory
{
    static std::unique_ptr<EditableText> make() { return std::make_unique<TextBuffer>(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(TextBuffer, EditableTextContract, TextBufferFactory);

TEST(SearchOptions, TheFlagWordCarriesDirectionWholeWordAndCase)
{
    const struct
    {
        int flags;
        SearchOptions::Direction direction;
        bool wholeWord;
        bool matchCase;
    } cases[] = {
        {0, SearchOptions::Forward, false, false},  {1, SearchOptions::WholeText, false, false},
        {2, SearchOptions::Backward, false, false}, {4, SearchOptions::Forward, true, false},
        {8, SearchOptions::Forward, false, true},   {14, SearchOptions::Backward, true, true},
    };
    for (const auto &c : cases) {
        const SearchOptions o = SearchOptions::fromFlags(c.flags);
        EXPECT_EQ(o.direction, c.direction) << c.flags;
        EXPECT_EQ(o.wholeWord, c.wholeWord) << c.flags;
        EXPECT_EQ(o.matchCase, c.matchCase) << c.flags;
        EXPECT_EQ(o.toFlags(), c.flags);
    }
}

TEST(TextBuffer, NewTextTakesTheDefaultLineBreakUntilTheTextHasOne)
{
    TextBuffer crlf(QString(), QStringLiteral("\r\n"));
    crlf.ReplaceSelection(QStringLiteral("a\nb"));
    EXPECT_EQ(crlf.GetText(), QStringLiteral("a\r\nb"));
    crlf.SetText(QStringLiteral("x\ry"));
    EXPECT_EQ(crlf.lineBreak(), QStringLiteral("\r"));
}

} // namespace
