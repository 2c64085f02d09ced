#pragma once

#include <QString>

// The word a help file is asked about: the selected text, or else the word
// around the caret, bounded by blanks, the line's ends and " , . / : ; < = > ? { }.
QString helpKeyword(const QString &line, int caretColumn, const QString &selectedText);
