#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

ScriptedPrompter &ScriptedPrompter::expect(const QString &textPart, Button answer)
{
    m_script.append({Kind::Message, textPart, answer});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectPrintDialog(bool accept)
{
    m_script.append({Kind::PrintDialog, QString(), accept ? Ok : Cancel});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectPrinterSetup(bool accept)
{
    m_script.append({Kind::PrinterSetup, QString(), accept ? Ok : Cancel});
    return *this;
}

bool ScriptedPrompter::dialog(Kind kind, const char *name)
{
    if (m_script.isEmpty() || m_script.first().kind != kind) {
        ADD_FAILURE() << "unexpected " << name;
        return false;
    }
    return m_script.takeFirst().answer == Ok;
}

bool ScriptedPrompter::printDialog(QPrinter &)
{
    return dialog(Kind::PrintDialog, "print dialog");
}

bool ScriptedPrompter::printerSetup(QPrinter &)
{
    return dialog(Kind::PrinterSetup, "printer set-up");
}

Prompter::Button ScriptedPrompter::message(const Message &message)
{
    m_seen.append(message);
    const QString shown = message.caption + QStringLiteral(" | ") + message.text;
    if (m_script.isEmpty()) {
        ADD_FAILURE() << "unexpected prompt: " << shown.toStdString();
        return message.buttons.testFlag(Cancel) ? Cancel : message.buttons.testFlag(No) ? No : Ok;
    }
    if (m_script.first().kind != Kind::Message) {
        ADD_FAILURE() << "a message came where a dialog was expected: " << shown.toStdString();
        return Cancel;
    }
    const Step step = m_script.takeFirst();
    EXPECT_TRUE(shown.contains(step.textPart)) << "expected a prompt with \"" << step.textPart.toStdString()
                                               << "\", got: " << shown.toStdString();
    return step.answer;
}
