#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

ScriptedPrompter &ScriptedPrompter::expect(const QString &textPart, Button answer)
{
    m_script.append({textPart, answer});
    return *this;
}

Prompter::Button ScriptedPrompter::message(const Message &message)
{
    m_seen.append(message);
    const QString shown = message.caption + QStringLiteral(" | ") + message.text;
    if (m_script.isEmpty()) {
        ADD_FAILURE() << "unexpected prompt: " << shown.toStdString();
        return message.buttons.testFlag(Cancel) ? Cancel : message.buttons.testFlag(No) ? No : Ok;
    }
    const Step step = m_script.takeFirst();
    EXPECT_TRUE(shown.contains(step.textPart)) << "expected a prompt with \"" << step.textPart.toStdString()
                                               << "\", got: " << shown.toStdString();
    return step.answer;
}
