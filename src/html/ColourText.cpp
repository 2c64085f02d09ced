#include "html/ColourText.h"

#include <QHash>

#include <algorithm>

namespace {

const QHash<QString, QString> &namedColours()
{
    static const QHash<QString, QString> names{
        {QStringLiteral("black"), QStringLiteral("000000")},  {QStringLiteral("silver"), QStringLiteral("C0C0C0")},
        {QStringLiteral("gray"), QStringLiteral("808080")},   {QStringLiteral("white"), QStringLiteral("FFFFFF")},
        {QStringLiteral("maroon"), QStringLiteral("800000")}, {QStringLiteral("red"), QStringLiteral("FF0000")},
        {QStringLiteral("purple"), QStringLiteral("800080")}, {QStringLiteral("fuchsia"), QStringLiteral("FF00FF")},
        {QStringLiteral("green"), QStringLiteral("008000")},  {QStringLiteral("lime"), QStringLiteral("00FF00")},
        {QStringLiteral("olive"), QStringLiteral("808000")},  {QStringLiteral("yellow"), QStringLiteral("FFFF00")},
        {QStringLiteral("navy"), QStringLiteral("000080")},   {QStringLiteral("blue"), QStringLiteral("0000FF")},
        {QStringLiteral("teal"), QStringLiteral("008080")},   {QStringLiteral("aqua"), QStringLiteral("00FFFF")},
    };
    return names;
}

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

} // namespace

QString ColorToHtml(RgbColour colour)
{
    return QStringLiteral("#%1%2%3")
        .arg(colour.red & 0xFF, 2, 16, QLatin1Char('0'))
        .arg(colour.green & 0xFF, 2, 16, QLatin1Char('0'))
        .arg(colour.blue & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

RgbColour HtmlToColor(const QString &text)
{
    QString digits = text;
    if (digits.size() > 2) {
        if (digits.startsWith(QLatin1Char('"')))
            digits.remove(0, 1);
        if (digits.startsWith(QLatin1Char('#')))
            digits.remove(0, 1);
        if (digits.endsWith(QLatin1Char('"')))
            digits.chop(1);
    }
    digits = namedColours().value(digits.toLower(), digits);
    // Nothing to read counts as white, the colour a colour field starts with.
    if (digits.isEmpty() || !std::all_of(digits.cbegin(), digits.cend(), isHexDigit))
        return {};
    const auto channel = [&digits](int at) { return digits.mid(at, 2).toInt(nullptr, 16); };
    return {channel(0), channel(2), channel(4)};
}
