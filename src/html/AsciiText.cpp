#include "html/AsciiText.h"

namespace AsciiText {

QString lowered(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    char16_t *to = reinterpret_cast<char16_t *>(out.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        to[i] = lower(text[i].unicode());
    return out;
}

bool startsWithAt(QStringView text, qsizetype at, QLatin1StringView lowerWord)
{
    if (at < 0 || text.size() - at < lowerWord.size())
        return false;
    for (qsizetype k = 0; k < lowerWord.size(); ++k) {
        if (lower(text[at + k].unicode()) != char16_t(uchar(lowerWord[k].toLatin1())))
            return false;
    }
    return true;
}

qsizetype indexOf(QStringView text, QLatin1StringView lowerWord, qsizetype from)
{
    if (lowerWord.isEmpty())
        return -1;
    const char16_t first = char16_t(uchar(lowerWord[0].toLatin1()));
    const char16_t firstUpper = upper(first);
    for (qsizetype i = std::max<qsizetype>(from, 0); i + lowerWord.size() <= text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if ((c == first || c == firstUpper) && startsWithAt(text, i, lowerWord))
            return i;
    }
    return -1;
}

} // namespace AsciiText
