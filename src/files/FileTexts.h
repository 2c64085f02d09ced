#pragma once

#include <QString>

// The texts a file list shows about a file, in Danish whatever the system's
// language is, like the program's dates.

// A byte count as "%.1n GB" above 1 GiB, "%.1n KB" up to 1 MiB, else "%.1n MB";
// with bytes, followed by " (n bytes)". A missing file's size, -1, is
// formatted like any other count.
QString FormatSize(qint64 bytes, bool withBytes = false);

// A size text read back for sorting: its digits as one whole number, scaled by
// the unit, then once per decimal divided by ten (rounding by adding 5).
qint64 ParseSize(const QString &text);

// The file's modification date and time in the Danish short format, or
// empty when the file cannot be opened.
QString FileDateText(const QString &path);
