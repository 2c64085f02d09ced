#pragma once

#include "app/Prompter.h"

class QWidget;

// Answers the program's messages with Qt's own message boxes.
class QtPrompter : public Prompter
{
public:
    Button message(const Message &message) override;
    bool printDialog(QPrinter &printer) override;
    bool printerSetup(QPrinter &printer) override;
};
