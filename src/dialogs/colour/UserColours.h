#pragma once

#include "html/ColourText.h"

#include <QList>

class SettingsStore;

// The user's own colours, shared by the web colour dialog and the system
// colour dialog: at most sixteen, kept in the settings section "UserColors".
namespace UserColours {

constexpr int Count = 16;

QList<RgbColour> load(const SettingsStore &settings);
void save(SettingsStore &settings, const QList<RgbColour> &colours);

} // namespace UserColours
