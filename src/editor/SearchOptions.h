#pragma once

#include <QString>

// The search state's flag word: the low two bits hold the direction, 4 means
// whole words only, 8 means match case.
struct SearchOptions
{
    // The program's direction values.
    enum Direction { Backward = 0, Forward = 1, WholeText = 2 };

    Direction direction = Forward;
    bool wholeWord = false;
    bool matchCase = false;

    static SearchOptions fromFlags(int flags);
    int toFlags() const;

    // Search and replacement texts travel in 128-byte buffers with a closing
    // zero, so at most this many characters are kept.
    static constexpr int MaxTextLength = 127;
    static QString fitText(const QString &text);
};
