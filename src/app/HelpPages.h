#pragma once

#include <QString>

// The program's own help: HTML pages in the "help" folder of the shipped data.
namespace HelpPages {

inline const QString Contents = QStringLiteral("index.html");
inline const QString Search = QStringLiteral("stikord.html");

// Help contexts that windows ask for by number.
constexpr int SettingsContext = 80;
constexpr int KeyboardContext = 340;

// The page for a help context; the contents for one without a page of its own.
QString forContext(int context);

} // namespace HelpPages
