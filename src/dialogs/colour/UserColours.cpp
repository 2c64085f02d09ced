#include "dialogs/colour/UserColours.h"

#include "core/SettingsStore.h"

namespace UserColours {

namespace {

const QString Section = QStringLiteral("UserColors");

QString key(int index)
{
    return QStringLiteral("Color%1").arg(index);
}

} // namespace

QList<RgbColour> load(const SettingsStore &settings)
{
    QList<RgbColour> colours;
    for (int index = 0; index < Count; ++index) {
        const QString text = settings.readText(Section, key(index), QString());
        if (!text.isEmpty())
            colours.append(HtmlToColor(text));
    }
    return colours;
}

void save(SettingsStore &settings, const QList<RgbColour> &colours)
{
    for (int index = 0; index < Count; ++index) {
        if (index < colours.size())
            settings.writeText(Section, key(index), ColorToHtml(colours.at(index)));
        else
            settings.eraseKey(Section, key(index));
    }
}

} // namespace UserColours
