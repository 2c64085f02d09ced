#pragma once

#include <QString>

#include <optional>

// The reversible scrambling of a password kept in the settings file: a string
// of five-digit decimal groups, at least five of them. It hides a password
// from a glance over the file, not from anyone who reads this code; the file
// itself is therefore kept readable by its owner alone.
QString scramblePassword(const QString &password);

// The password back, or nothing when the text is no scrambled password or was
// damaged (every group is checked).
std::optional<QString> unscramblePassword(const QString &scrambled);
