#pragma once

#include <QString>

// Pieces of text framed by two markers, found without regard to case.

// The text between the first `start` and the first `end`; empty when the
// first `end` does not come after the first `start` (or either is missing).
QString TextBetweenIn(const QString &text, const QString &start, const QString &end);

// The file's first piece framed by `start` and the next `end` after it; with
// `all`, every such piece in turn as a comma text. "-1" when the file cannot
// be read.
QString TextBetweenInFile(const QString &path, const QString &start, const QString &end, bool all);

// The same over a text already read.
QString TextBetweenInText(const QString &text, const QString &start, const QString &end, bool all);
