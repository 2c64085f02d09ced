#pragma once

#include <QString>

class Prompter;

// Tells the user of an error that no handler caught. Answers true when the
// user chose to go on, false when the program must end at once.
bool reportUnhandledError(Prompter &prompter, const QString &errorText);
