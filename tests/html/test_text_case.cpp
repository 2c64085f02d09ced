#include "editor/TextBuffer.h"
#include "html/TextCase.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

TEST(TextCase, EachModeOnPlainText)
{
    const struct
    {
        TextCaseMode mode;
        const char *text, *result;
    } cases[] = {
        {TextCaseMode::Upper, "blåbærgrød ß µ ÿ œ", "BLÅBÆRGRØD ß µ Ÿ Œ"},
        {TextCaseMode::Lower, "ÆØÅ ABC Ÿ Š", "æøå abc ÿ š"},
        // By code: A-Z and Å to Ø one way, a-z and å to ø the other (× and ÷ lie in between).
        {TextCaseMode::Swap, "Abc ÆøÅ 1 ×÷ é É", "aBC æØå 1 ÷× É é"},
        {TextCaseMode::WordInitials, "hej med  dig\nog ølsalg", "hej Med  Dig\nog Ølsalg"},
        {TextCaseMode::SentenceInitials, "hej. med dig.øl. ål", "hej. Med dig.øl. Ål"},
        {TextCaseMode::LetterSpacing, "ab c", "a b   c "},
        {TextCaseMode::LetterSpacing, "a😀", "a 😀 "}, // a character outside the basic plane stays whole
        {TextCaseMode::Upper, "", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ConvertTextCase(u(c.text), c.mode), u(c.result)) << c.text;
}

SelectionRecord sel(int line, int from, int to)
{
    return SelectionRecord::between({line, from}, {line, to});
}

TEST(TextCase, TheCommandLooksJustBeforeTheSelectionForWordsAndSentences)
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
        // Column 0 and 1 are line starts: the first letter is raised.
        {TextCaseMode::WordInitials, "xhej du", sel(1, 1, 7), "xHej Du"},
        {TextCaseMode::SentenceInitials, "øl", sel(1, 0, 2), "Øl"},
        {TextCaseMode::LetterSpacing, "abc", sel(1, 0, 3), "a b c "},
        {TextCaseMode::Upper, "abc def", sel(1, 4, 7), "abc DEF"},
    };
    for (const auto &c : cases) {
        TextBuffer text(u(c.text));
        text.SetSelection(c.selection);
        ConvertSelectionCase(text, c.mode);
        EXPECT_EQ(text.GetText(), u(c.result)) << c.text;
    }
}

TEST(TextCase, AReadOnlyTextStaysAsItIs)
{
    TextBuffer text(u("hej med dig"));
    text.SetReadOnly(true);
    ConvertSelectionCase(text, TextCaseMode::Upper);
    EXPECT_EQ(text.GetText(), u("hej med dig"));
}

} // namespace
