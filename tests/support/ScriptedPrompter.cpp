#include "support/ScriptedPrompter.h"

#include <QDialog>

#include <gtest/gtest.h>

ScriptedPrompter &ScriptedPrompter::expect(const QString &textPart, Button answer)
{
    m_script.append({Kind::Message, textPart, answer, {}, std::nullopt, {}, {}, {}});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectPrintDialog(bool accept)
{
    m_script.append({Kind::PrintDialog, QString(), accept ? Ok : Cancel, {}, std::nullopt, {}, {}, {}});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectPrinterSetup(bool accept)
{
    m_script.append({Kind::PrinterSetup, QString(), accept ? Ok : Cancel, {}, std::nullopt, {}, {}, {}});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectFiles(const QStringList &answer)
{
    m_script.append({Kind::Files, QString(), Ok, answer, std::nullopt, {}, {}, {}});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectInput(std::optional<QString> answer)
{
    m_script.append({Kind::Input, QString(), Ok, {}, std::move(answer), {}, {}, {}});
    return *this;
}

QStringList ScriptedPrompter::files(const char *name)
{
    if (m_script.isEmpty() || m_script.first().kind != Kind::Files) {
        ADD_FAILURE() << "unexpected " << name;
        return {};
    }
    return m_script.takeFirst().files;
}

QStringList ScriptedPrompter::openFiles(const FileDialog &dialog)
{
    m_fileDialogs.append(dialog);
    return files("open dialog");
}

QString ScriptedPrompter::openFile(const FileDialog &dialog)
{
    m_fileDialogs.append(dialog);
    return files("open dialog").value(0);
}

QString ScriptedPrompter::saveFile(const FileDialog &dialog)
{
    m_fileDialogs.append(dialog);
    return files("save dialog").value(0);
}

QString ScriptedPrompter::chooseFolder(const QString &caption, const QString &startFolder)
{
    m_fileDialogs.append({caption, startFolder, {}, {}, 0, {}});
    return files("folder chooser").value(0);
}

std::optional<QString> ScriptedPrompter::inputText(const QString &caption, const QString &prompt, const QString &value)
{
    m_fileDialogs.append({caption, {}, value, {}, 0, {}});
    m_inputPrompts.append(prompt);
    if (m_script.isEmpty() || m_script.first().kind != Kind::Input) {
        ADD_FAILURE() << "unexpected input box " << caption.toStdString();
        return std::nullopt;
    }
    return m_script.takeFirst().input;
}

ScriptedPrompter &ScriptedPrompter::expectFont(const QFont &answer)
{
    m_script.append({Kind::Font, QString(), Ok, {}, std::nullopt, answer, {}, {}});
    return *this;
}

ScriptedPrompter &ScriptedPrompter::expectColour(const QColor &answer)
{
    m_script.append({Kind::Colour, QString(), Ok, {}, std::nullopt, {}, answer, {}});
    return *this;
}

bool ScriptedPrompter::chooseFont(QFont &font)
{
    if (m_script.isEmpty() || m_script.first().kind != Kind::Font) {
        ADD_FAILURE() << "unexpected font dialog";
        return false;
    }
    const Step step = m_script.takeFirst();
    if (step.font.family().isEmpty())
        return false;
    font = step.font;
    return true;
}

bool ScriptedPrompter::chooseColour(QColor &colour)
{
    if (m_script.isEmpty() || m_script.first().kind != Kind::Colour) {
        ADD_FAILURE() << "unexpected colour dialog";
        return false;
    }
    const Step step = m_script.takeFirst();
    if (!step.colour.isValid())
        return false;
    colour = step.colour;
    return true;
}

ScriptedPrompter &ScriptedPrompter::expectDialog(const QString &titlePart, std::function<void(QDialog &)> fill, bool accept)
{
    m_script.append({Kind::Dialog, titlePart, accept ? Ok : Cancel, {}, std::nullopt, {}, {}, std::move(fill)});
    return *this;
}

bool ScriptedPrompter::runDialog(QDialog &dialog)
{
    if (m_script.isEmpty() || m_script.first().kind != Kind::Dialog
        || !dialog.windowTitle().contains(m_script.first().textPart)) {
        ADD_FAILURE() << "unexpected dialog " << dialog.windowTitle().toStdString();
        return false;
    }
    const Step step = m_script.takeFirst();
    if (step.fill)
        step.fill(dialog);
    return step.answer == Ok;
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
    EXPECT_TRUE(shown.contains(step.textPart))
        << "expected a prompt with \"" << step.textPart.toStdString() << "\", got: " << shown.toStdString();
    return step.answer;
}
