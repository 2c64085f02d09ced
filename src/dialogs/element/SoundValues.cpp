#include "dialogs/element/SoundValues.h"

#include "html/AttributeText.h"
#include "html/MarkupWriting.h"

namespace {

bool isTrue(const QString &value)
{
    return value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

// bgsound repeats without end for "infinite" or -1.
bool loopsForever(const QString &value)
{
    return isTrue(value) || value.compare(QLatin1String("infinite"), Qt::CaseInsensitive) == 0 || value == QLatin1String("-1");
}

QString trueOrFalse(bool on)
{
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

SoundValues SoundValues::fromEdit(ElementEdit &edit)
{
    SoundValues values;
    values.file = edit.slot(1);
    values.autostart = isTrue(edit.slot(2));
    values.loop = isTrue(edit.slot(3));
    // The width and height are always written, so a value the fields cannot
    // hold gives way to the default rather than standing twice.
    if (isWholeNumber(edit.slot(4)))
        values.width = edit.slot(4).toInt();
    if (isWholeNumber(edit.slot(5)))
        values.height = edit.slot(5).toInt();
    values.type = edit.slot(6);
    const QString loop = TakeAttribute(edit.PreservedRemainder, QStringLiteral("loop"), true);
    if (!loop.isEmpty())
        values.loop = loopsForever(loop);
    return values;
}

QString buildSound(const SoundValues &values, const CommonFields &common, const QString &suffix)
{
    return QStringLiteral("<embed src=\"%1\" width=\"%2\" height=\"%3\" autostart=\"%4\" loop=\"%5\"")
               .arg(values.file, QString::number(values.width), QString::number(values.height), trueOrFalse(values.autostart),
                    trueOrFalse(values.loop))
        + FormatAttribute(QStringLiteral("type"), values.type) + common.markup() + suffix + u'>';
}
