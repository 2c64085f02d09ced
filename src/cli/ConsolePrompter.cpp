#include "cli/ConsolePrompter.h"

#include "cli/Console.h"

Prompter::Button ConsolePrompter::message(const Message &message)
{
    if (message.buttons.testFlag(m_answer))
        return m_answer;
    Console::complain(message.text);
    return message.buttons.testFlag(Ok) ? Ok : message.buttons.testFlag(No) ? No : Cancel;
}
