#pragma once

#include <Qsci/qsciprinter.h>

class Prompter;
class TLEdit;

// Prints documents; the printer and its set-up are kept for the whole run.
class DocumentPrinter
{
public:
    // "Indstil printer...": false when the user cancels.
    bool setUp(Prompter &prompter);
    // "Udskriv...": the print dialog, then the whole text of the editor.
    bool print(TLEdit &editor, Prompter &prompter);

    QsciPrinter &printer() { return m_printer; }

private:
    QsciPrinter m_printer;
};
