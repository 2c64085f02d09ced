#include "dialogs/colour/FontElement.h"

#include "html/MarkupWriting.h"

namespace {

bool isWholeNumber(const QString &text)
{
    bool ok = false;
    text.toInt(&ok);
    return ok && !text.startsWith(QLatin1Char('+')) && !text.startsWith(QLatin1Char('-'));
}

} // namespace

FontElementFields FontFieldsFromElement(const QString &face, const QString &colour, const QString &size,
                                        const QString &keptAttributes, const QString &remainder)
{
    FontElementFields fields;
    fields.face = face;
    fields.colour = colour;
    fields.insertColour = !colour.isEmpty();
    fields.keptAttributes = keptAttributes;
    fields.remainder = remainder;
    QString number = size;
    QString sign;
    if (size.startsWith(QLatin1Char('+')) || size.startsWith(QLatin1Char('-'))) {
        sign = size.left(1);
        number = size.mid(1);
    }
    if (number.isEmpty() || isWholeNumber(number)) {
        fields.sign = sign;
        fields.size = number;
    } else {
        fields.remainder += FormatAttribute(QStringLiteral("size"), size);
    }
    return fields;
}

QString FontElement(const FontElementFields &fields)
{
    const QString size = fields.size.isEmpty() ? QString() : FormatAttribute(QStringLiteral("size"), fields.sign + fields.size);
    const QString colour = fields.insertColour ? FormatAttribute(QStringLiteral("color"), fields.colour) : QString();
    return QStringLiteral("<font%1%2%3%4%5>")
        .arg(FormatAttribute(QStringLiteral("face"), fields.face), size, colour, fields.keptAttributes, fields.remainder);
}

FontPreview FontPreviewFor(const QString &sign, const QString &sizeText)
{
    const QString sample = QStringLiteral("AaBbYyZz");
    if (sizeText.isEmpty())
        return {12, QStringLiteral("AaBbØøÅå")};
    const int n = sizeText.toInt();
    if (sign == QLatin1String("-"))
        return {n < 2 ? 10 : 8, sample};
    const int k = sign == QLatin1String("+") ? 3 : 0;
    if (n > 6 - k)
        return {36, QStringLiteral("AaBb")};
    if (n == 6 - k)
        return {24, QStringLiteral("AaBbZz")};
    if (n == 5 - k)
        return {18, sample};
    if (n == 4 - k)
        return {14, sample};
    switch (n) {
    case 3:
        return {12, sample};
    case 2:
        return {10, sample};
    case 1:
        return {8, sample};
    default:
        return {12, sample};
    }
}

const QStringList &WebFontList()
{
    static const QStringList fonts{
        QStringLiteral("Arial, Helvetica"),
        QStringLiteral("Arial Black, Arial, Helvetica"),
        QStringLiteral("Comic Sans MS, Comic, Arial, Helvetica"),
        QStringLiteral("Courier New, Courier"),
        QStringLiteral("Impact, Haettenschweiler, Arial, Helvetica"),
        QStringLiteral("Times New Roman"),
        QStringLiteral("Verdana, Arial, Helvetica"),
    };
    return fonts;
}
