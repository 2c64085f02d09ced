#pragma once

#include <QString>

#include <optional>

// Questions put to the user at the terminal pwtool runs in. There is a
// terminal only when standard input is one: a script that feeds pwtool, or
// a test that runs it, is never waited for.
namespace Terminal {

bool available();
// Asks on standard error and reads a line from the terminal with its echo
// off; nothing without a terminal or at the end of input.
std::optional<QString> readHidden(const QString &prompt);
// Asks a yes/no question; "j" or "ja" (any case) is yes, anything else no;
// nothing without a terminal.
std::optional<bool> confirm(const QString &question);

} // namespace Terminal
