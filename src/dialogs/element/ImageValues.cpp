#include "dialogs/element/ImageValues.h"

#include "html/MarkupWriting.h"

namespace {

using Alignment = ImageValues::Alignment;

const char *const AlignmentValues[] = {"top", "middle", "bottom", "left", "right"};

// "left" puts the text to the right of the picture ("Højre om"), "right" to its left.
Alignment alignmentOf(const QString &value)
{
    for (int item = 0; item < 5; ++item) {
        if (item != int(Alignment::Bottom) && value.compare(QLatin1String(AlignmentValues[item]), Qt::CaseInsensitive) == 0)
            return Alignment(item);
    }
    return Alignment::Bottom;
}

} // namespace

ImageValues ImageValues::fromEdit(ElementEdit &edit)
{
    ImageValues values;
    values.file = edit.slot(1);
    values.alignment = alignmentOf(edit.slot(2));
    values.width = edit.takeNumber(3, QStringLiteral("width"), 0).value_or(0);
    values.widthPercent = edit.slot(0) == QLatin1String("%");
    values.height = edit.takeNumber(4, QStringLiteral("height"), 10).value_or(0);
    values.heightPercent = edit.slot(10) == QLatin1String("%");
    const std::optional<int> border = edit.takeNumber(5, QStringLiteral("border"));
    values.border = border.value_or(0);
    values.borderAlways = border.has_value();
    values.marginTopBottom = edit.takeNumber(6, QStringLiteral("vspace")).value_or(0);
    values.marginLeftRight = edit.takeNumber(7, QStringLiteral("hspace")).value_or(0);
    values.altText = edit.slot(8);
    values.mapName = edit.slot(9);
    return values;
}

QString buildImage(const ImageValues &values, const CommonFields &common, const QString &suffix)
{
    const bool spaces = values.marginTopBottom != 0 || values.marginLeftRight != 0;
    return QStringLiteral("<img src=\"%1\"").arg(values.file)
        + FormatNumberAttribute(QStringLiteral("border"), values.border, values.border != 0 || values.borderAlways, false)
        + (spaces ? QStringLiteral(" vspace=\"%1\" hspace=\"%2\"").arg(values.marginTopBottom).arg(values.marginLeftRight)
                  : QString())
        + FormatNumberAttribute(QStringLiteral("width"), values.width, values.width > 0, values.widthPercent)
        + FormatNumberAttribute(QStringLiteral("height"), values.height, values.height > 0, values.heightPercent)
        + QStringLiteral(" align=\"%1\" alt=\"%2\"").arg(QLatin1String(AlignmentValues[int(values.alignment)]), values.altText)
        + FormatAttribute(QStringLiteral("usemap"), values.mapName) + common.markup() + suffix + u'>';
}

QString mapReference(const QString &name)
{
    if (name.isEmpty() || name.startsWith(u'#'))
        return name;
    return u'#' + name;
}
