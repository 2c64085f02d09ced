#pragma once

#include "app/Prompter.h"

// The engine's messages on standard error. pwtool never waits for an answer:
// a question gets the answer chosen in advance, and the dialogs are cancelled.
class ConsolePrompter : public Prompter
{
public:
    explicit ConsolePrompter(Button answer) : m_answer(answer) {}

    Button message(const Message &message) override;
    QStringList openFiles(const FileDialog &) override { return {}; }
    QString openFile(const FileDialog &) override { return {}; }
    QString saveFile(const FileDialog &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override { return {}; }
    bool chooseFont(QFont &) override { return false; }
    bool chooseColour(QColor &) override { return false; }
    bool printDialog(QPrinter &) override { return false; }
    bool printerSetup(QPrinter &) override { return false; }

private:
    Button m_answer;
};
