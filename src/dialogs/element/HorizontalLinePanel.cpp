#include "dialogs/element/HorizontalLinePanel.h"

#include "core/SettingsStore.h"
#include "html/AttributeText.h"
#include "html/MarkupWriting.h"

namespace {

const QString Section = QStringLiteral("Linie");
const QString LengthKey = QStringLiteral("Laengde");
const QString ThicknessKey = QStringLiteral("Tykkelse");
const QString PercentKey = QStringLiteral("Procent");
const QString ShadedKey = QStringLiteral("3D");
const QString AlignmentKey = QStringLiteral("Justering");

} // namespace

HorizontalLineValues HorizontalLineValues::read(const SettingsStore &store)
{
    const HorizontalLineValues defaults;
    HorizontalLineValues values;
    values.length = store.readInt(Section, LengthKey, *defaults.length);
    values.thickness = store.readInt(Section, ThicknessKey, defaults.thickness);
    values.percent = store.readBool(Section, PercentKey, defaults.percent);
    values.shaded = store.readBool(Section, ShadedKey, defaults.shaded);
    const int alignment = store.readInt(Section, AlignmentKey, static_cast<int>(defaults.alignment));
    if (alignment >= 1 && alignment <= 3)
        values.alignment = static_cast<Alignment>(alignment);
    return values;
}

void HorizontalLineValues::write(SettingsStore &store) const
{
    if (length)
        store.writeInt(Section, LengthKey, *length);
    store.writeInt(Section, ThicknessKey, thickness);
    store.writeBool(Section, PercentKey, percent);
    store.writeBool(Section, ShadedKey, shaded);
    store.writeInt(Section, AlignmentKey, static_cast<int>(alignment));
}

HorizontalLineValues HorizontalLineValues::fromEdit(ElementEdit &edit)
{
    HorizontalLineValues values;
    values.percent = edit.percent(0);
    values.length = edit.takeNumber(3, QStringLiteral("width"), 0);
    values.thickness = edit.takeNumber(1, QStringLiteral("size")).value_or(values.thickness);
    values.shaded = edit.slot(4).compare(QLatin1String("noshade"), Qt::CaseInsensitive) != 0;
    const QString align = edit.slot(2);
    if (align.compare(QLatin1String("left"), Qt::CaseInsensitive) == 0)
        values.alignment = Alignment::Left;
    else if (align.compare(QLatin1String("right"), Qt::CaseInsensitive) == 0)
        values.alignment = Alignment::Right;
    else if (!align.isEmpty() && align.compare(QLatin1String("center"), Qt::CaseInsensitive) != 0)
        edit.keep(QStringLiteral("align"), align);
    return values;
}

QString buildHorizontalLine(const HorizontalLineValues &values, CommonFields common, const QString &suffix)
{
    TakeFlagAttribute(common.remainder, QStringLiteral("noshade"));
    const QString alignment = values.alignment == HorizontalLineValues::Alignment::Left ? QStringLiteral(" align=\"left\"")
        : values.alignment == HorizontalLineValues::Alignment::Right                    ? QStringLiteral(" align=\"right\"")
                                                                                        : QString();
    const int length = values.length.value_or(0);
    const bool widthWanted = values.length && !(length == 100 && values.percent);
    // SIZE stays in upper case, as this element has always been written.
    return QStringLiteral("<hr") + FormatNumberAttribute(QStringLiteral("SIZE"), values.thickness, values.thickness != 2, false)
        + alignment + FormatNumberAttribute(QStringLiteral("width"), length, widthWanted, values.percent)
        + (values.shaded ? QString() : QStringLiteral(" noshade=\"noshade\"")) + common.markup() + suffix + u'>';
}
