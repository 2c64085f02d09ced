#pragma once

#include <QString>

// What a search across files looks for, with the options of the extended
// search: whole words and case. A find text may hold line breaks; they match
// whatever line breaks each file has.
struct SearchQuery
{
    QString text;
    bool wholeWord = false;
    bool matchCase = false;
    // Character references are read as the letters æ, ø and å before the
    // search, for pages that the editor writes with references.
    bool referencesAsLetters = false;
};
