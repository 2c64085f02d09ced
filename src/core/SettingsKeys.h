#pragma once

#include <QString>

// Section and key names of the settings store that the application shell owns.
namespace Keys {

inline const QString Start = QStringLiteral("Start");
inline const QString Indstillinger = QStringLiteral("Indstillinger");
inline const QString Editor = QStringLiteral("Editor");

inline const QString BrugerdataMappe = QStringLiteral("BrugerdataMappe");
inline const QString HTMLfilter = QStringLiteral("HTMLfilter");
inline const QString MSIE = QStringLiteral("MSIE");

} // namespace Keys
