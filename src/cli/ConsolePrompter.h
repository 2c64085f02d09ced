#pragma once

#include "core/DialogFreePrompter.h"

// The engine's messages on standard error. pwtool never waits for an answer:
// a question gets the answer chosen in advance, and the dialogs are cancelled.
class ConsolePrompter : public DialogFreePrompter
{
public:
    explicit ConsolePrompter(Button answer)
        : m_answer(answer)
    {
    }

    Button message(const Message &message) override;

private:
    Button m_answer;
};
