#pragma once

#include <QString>

class EditableText;

// The conversions of the "Tekstkonvertering" menu, in menu order.
enum class TextCaseMode {
    Upper, // "Konverter til store bogstaver"
    Lower, // "Konverter til små bogstaver"
    Swap, // "Skift alle"
    WordInitials, // "Start ord med stort"
    SentenceInitials, // "Start sætninger med stort"
    LetterSpacing, // "Indsæt mellemrum"
};

// The text converted by the mode. Word and sentence initials look only inside
// the text: a letter after a blank, or two characters after ". ", is raised.
QString ConvertTextCase(const QString &text, TextCaseMode mode);

// The command on the editor: converts the selection, or the whole text when
// nothing is selected. A word or sentence that starts just before the
// selection, or a selection at a line start, gets its first letter raised too.
// Does nothing while the text is read-only.
void ConvertSelectionCase(EditableText &text, TextCaseMode mode);
