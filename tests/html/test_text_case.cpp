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
    const QString lone = QString(QChar(0xD800)) + u("a");
    EXPECT_EQ(ConvertTextCase(lone, TextCaseMode::Upper), QString(QChar(0xD800)) + u("A"));
}

// Every code point, each mapped on its own, as the conversion of the whole text.
TEST(TextCase, UpperAndLowerMapEveryCodePointAsOnItsOwn)
{
    QString all;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if (!QChar::isSurrogate(c))
            all += QStringView(QChar::fromUcs4(c));
    }
    for (const bool upper : {true, false}) {
        QString expected;
        for (char32_t c = 0; c <= 0x10FFFF; ++c) {
            if (QChar::isSurrogate(c))
                continue;
            const char32_t mapped = c == 0xB5 ? c : upper ? QChar::toUpper(c) : QChar::toLower(c);
            expected += QStringView(QChar::fromUcs4(mapped));
        }
        EXPECT_EQ(ConvertTextCase(all, upper ? TextCaseMode::Upper : TextCaseMode::Lower), expected);
    }
}

} // namespace
