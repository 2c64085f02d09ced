#include "html/TextCase.h"

#include "editor/EditableText.h"
#include "html/AsciiText.h"

#include <algorithm>

namespace {

// A lower-case letter here is a-z or a character from å (0xE5) to ø (0xF8):
// the letters whose capitals lie exactly 32 codes below.
bool isLowerLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= 0xE5 && u <= 0xF8);
}

bool isUpperLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= 0xC5 && u <= 0xD8);
}

QChar capitalised(QChar c)
{
    return isLowerLetter(c) ? QChar(char16_t(c.unicode() - 32)) : c;
}

// The micro sign has a capital (Greek Mu) that Windows-1252 cannot hold, and
// the Windows-1252 case mappings leave it alone.
constexpr char32_t MicroSign = 0xB5;

char32_t mapped(char32_t c, bool upper)
{
    if (c < 0x80)
        return upper ? AsciiText::upper(char16_t(c)) : AsciiText::lower(char16_t(c));
    return c == MicroSign ? c : (upper ? QChar::toUpper(c) : QChar::toLower(c));
}

// Character by character, in a copy changed in place; a lone surrogate half
// stays as it is. No simple case mapping moves a character into or out of the
// basic plane, so each keeps its number of UTF-16 units (one that would not is
// left alone; the test over every code point keeps watch).
QString mapCodePoints(const QString &text, bool upper)
{
    QString out = text;
    QChar *data = out.data();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < size && text[i + 1].isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        const char32_t to = mapped(c, upper);
        if (to != c && QChar::requiresSurrogates(to) == pair) {
            const auto units = QChar::fromUcs4(to);
            std::copy(units.begin(), units.end(), reinterpret_cast<char16_t *>(data + i));
        }
        i += pair ? 1 : 0;
    }
    return out;
}

QString spaced(const QString &text)
{
    // Written straight into a buffer of the longest result: at 50 MB an
    // append per character costs more than the conversion itself.
    QString out(text.size() * 2, Qt::Uninitialized);
    QChar *to = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        *to++ = text[i];
        const bool pairStarts = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        if (!pairStarts)
            *to++ = QLatin1Char(' ');
    }
    out.truncate(to - out.constData());
    return out;
}

} // namespace

QString ConvertTextCase(const QString &text, TextCaseMode mode)
{
    QString out = text;
    switch (mode) {
    case TextCaseMode::Upper:
        return mapCodePoints(text, true);
    case TextCaseMode::Lower:
        return mapCodePoints(text, false);
    case TextCaseMode::Swap:
        for (QChar &c : out) {
            if (isUpperLetter(c))
                c = QChar(char16_t(c.unicode() + 32));
            else if (isLowerLetter(c))
                c = QChar(char16_t(c.unicode() - 32));
        }
        return out;
    case TextCaseMode::WordInitials:
        for (qsizetype i = 1; i < out.size(); ++i) {
            if (out[i - 1] == QLatin1Char(' '))
                out[i] = capitalised(out[i]);
        }
        return out;
    case TextCaseMode::SentenceInitials:
        for (qsizetype i = 2; i < out.size(); ++i) {
            if (out[i - 2] == QLatin1Char('.') && out[i - 1] == QLatin1Char(' '))
                out[i] = capitalised(out[i]);
        }
        return out;
    case TextCaseMode::LetterSpacing:
        return spaced(text);
    }
    return out;
}

void ConvertSelectionCase(EditableText &text, TextCaseMode mode)
{
    if (text.IsReadOnly())
        return;
    const bool initials = mode == TextCaseMode::WordInitials || mode == TextCaseMode::SentenceInitials;
    SelectionRecord selection = text.GetSelection();
    bool atLineStart = true;
    if (selection.isEmpty()) {
        text.SelectAll();
        selection = text.GetSelection();
    } else {
        // Column 1 counts as a line start as well: its first letter is raised
        // as at column 0.
        atLineStart = selection.start().column <= 1;
    }
    const bool widened = initials && !atLineStart;
    TextPos start = selection.start();
    const TextPos end = selection.end();
    if (widened) {
        // Two characters more on the left show a blank or ". " just before.
        start.column -= 2;
        text.SetSelection(SelectionRecord::between(start, end));
    }
    QString selected = text.GetSelText();
    if (initials && atLineStart && !selected.isEmpty())
        selected[0] = capitalised(selected[0]);
    QString converted = ConvertTextCase(selected, mode);
    if (widened) {
        converted.remove(0, text.textBetween(start, selection.start()).size());
        text.SetSelection(SelectionRecord::between(selection.start(), end));
    }
    text.ReplaceSelection(converted);
}
