#include "editor/TextCharacters.h"

#include <QChar>

namespace TextCharacters {

bool isWordCharacter(char32_t c, bool asText)
{
    if (asText) {
        switch (c) {
        case ' ':
        case '\t':
        case '\r':
        case '\n':
        case '<':
        case '>':
        case '=':
        case '"':
        case '\'':
            return false;
        default:
            return c != 0;
        }
    }
    return c == '_' || QChar::isLetterOrNumber(c);
}

qsizetype characterCount(QStringView text)
{
    qsizetype count = text.size();
    for (qsizetype i = 1; i < text.size(); ++i) {
        // Only a complete pair is one character; a lone half counts as one.
        if (text.at(i).isLowSurrogate() && text.at(i - 1).isHighSurrogate())
            --count;
    }
    return count;
}

qsizetype indexOfColumn(QStringView text, int column)
{
    qsizetype i = 0;
    for (int seen = 0; seen < column && i < text.size(); ++seen) {
        i += (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ? 2 : 1;
    }
    return i;
}

QString detectLineBreak(QStringView text, const QString &fallback)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\n'))
            return QStringLiteral("\n");
        if (text.at(i) == QLatin1Char('\r'))
            return (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) ? QStringLiteral("\r\n") : QStringLiteral("\r");
    }
    return fallback;
}

QString withLineBreaks(const QString &text, const QString &lineBreak)
{
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString out;
    out.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            out += lineBreak;
        } else if (c == QLatin1Char('\n')) {
            out += lineBreak;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace TextCharacters
