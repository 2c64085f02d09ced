#pragma once

#include <QStringList>

#include <optional>

// "eventmap.dat" and "globalmap.dat": plain text, one "name=value" line each.
namespace TextMaps {

inline const QString EventMapFile = QStringLiteral("eventmap.dat");
inline const QString GlobalMapFile = QStringLiteral("globalmap.dat");

// The file's lines; nothing when it cannot be read.
std::optional<QStringList> load(const QString &path);

} // namespace TextMaps
