#include "dialogs/colour/ColourChoosers.h"

#include "core/Prompter.h"
#include "dialogs/colour/TWebCol.h"
#include "dialogs/colour/UserColours.h"

#include <QColorDialog>

bool ChooseWebColour(Prompter &prompter, SettingsStore *settings, RgbColour &colour, QWidget *parent)
{
    TWebCol dialog(colour, settings ? UserColours::load(*settings) : QList<RgbColour>(), parent);
    if (!prompter.runDialog(dialog))
        return false;
    colour = dialog.colour();
    if (settings)
        UserColours::save(*settings, dialog.userColours());
    return true;
}

bool ChooseSystemColour(Prompter &prompter, SettingsStore *settings, RgbColour &colour)
{
    if (settings) {
        const QList<RgbColour> kept = UserColours::load(*settings);
        for (int index = 0; index < QColorDialog::customCount(); ++index) {
            const RgbColour custom = kept.value(index);
            QColorDialog::setCustomColor(index, QColor(custom.red, custom.green, custom.blue));
        }
    }
    QColor chosen(colour.red, colour.green, colour.blue);
    if (!prompter.chooseColour(chosen))
        return false;
    colour = {chosen.red(), chosen.green(), chosen.blue()};
    if (settings) {
        QList<RgbColour> kept;
        for (int index = 0; index < std::min(QColorDialog::customCount(), UserColours::Count); ++index) {
            const QColor custom = QColorDialog::customColor(index);
            kept.append({custom.red(), custom.green(), custom.blue()});
        }
        UserColours::save(*settings, kept);
    }
    return true;
}
