#pragma once

#include "app/Prompter.h"

#include <QList>

// Answers prompts from a script, in order. A prompt that the script does not
// expect fails the running test and is answered with Cancel (or No, or Ok).
class ScriptedPrompter : public Prompter
{
public:
    // The next prompt must contain this text (in caption or message).
    ScriptedPrompter &expect(const QString &textPart, Button answer = Ok);
    // The next prompt must be the print dialog (or the printer set-up).
    ScriptedPrompter &expectPrintDialog(bool accept);
    ScriptedPrompter &expectPrinterSetup(bool accept);

    Button message(const Message &message) override;
    bool printDialog(QPrinter &printer) override;
    bool printerSetup(QPrinter &printer) override;

    const QList<Message> &seen() const { return m_seen; }
    bool allAnswered() const { return m_script.isEmpty(); }

private:
    enum class Kind { Message, PrintDialog, PrinterSetup };
    struct Step
    {
        Kind kind;
        QString textPart;
        Button answer;
    };
    bool dialog(Kind kind, const char *name);
    QList<Step> m_script;
    QList<Message> m_seen;
};
