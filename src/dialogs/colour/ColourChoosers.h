#pragma once

#include "html/ColourText.h"

class Prompter;
class QWidget;
class SettingsStore;

// The two colour dialogs, starting on colour and setting it on OK. Both offer
// the user colours kept in the settings and keep them on OK; without settings
// the user colours are offered but not kept.
bool ChooseWebColour(Prompter &prompter, SettingsStore *settings, RgbColour &colour, QWidget *parent);
bool ChooseSystemColour(Prompter &prompter, SettingsStore *settings, RgbColour &colour);
