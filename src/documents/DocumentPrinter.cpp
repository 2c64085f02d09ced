#include "documents/DocumentPrinter.h"

#include "core/Prompter.h"
#include "editor/TLEdit.h"

bool DocumentPrinter::setUp(Prompter &prompter)
{
    return prompter.printerSetup(m_printer);
}

bool DocumentPrinter::print(TLEdit &editor, Prompter &prompter)
{
    if (!prompter.printDialog(m_printer))
        return false;
    return editor.Print(m_printer);
}
