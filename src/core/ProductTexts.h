#pragma once

#include <QString>

namespace Product {
// The caption of the program's messages and the name it gives itself in them.
inline const QString Caption = QStringLiteral("Brindle's Pagewick");
inline const QString Name = QStringLiteral("Pagewick");
inline const QString VersionText = QStringLiteral("4");
} // namespace Product
