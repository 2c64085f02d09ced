#pragma once

#include <QString>

#include <optional>

class Prompter;
class QWidget;

// Edits a font-family list in the font dialog's list mode, with or without
// the generic families; nothing when cancelled.
std::optional<QString> EditFontFamilies(Prompter &prompter, const QString &value, bool genericFamilies, QWidget *parent);
