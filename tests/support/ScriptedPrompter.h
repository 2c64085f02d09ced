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

    Button message(const Message &message) override;

    const QList<Message> &seen() const { return m_seen; }
    bool allAnswered() const { return m_script.isEmpty(); }

private:
    struct Step
    {
        QString textPart;
        Button answer;
    };
    QList<Step> m_script;
    QList<Message> m_seen;
};
