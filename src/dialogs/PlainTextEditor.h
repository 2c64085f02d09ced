#pragma once

#include <QString>

#include <optional>

class Prompter;
class QWidget;

// A text edited in a plain multi-line editor (modal): the edited text, or
// nothing when the user cancelled. It stands in for the script and
// stylesheet editor where the dialogs open a style or an event's action.
std::optional<QString> editPlainText(Prompter &prompter, QWidget *parent, const QString &caption, const QString &text);
