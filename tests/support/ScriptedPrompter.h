#pragma once

#include "core/Prompter.h"
#include "support/QtPrinters.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QStringList>

#include <functional>

#include <optional>

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
    // The next prompt must be a file or folder dialog, or an input box,
    // answered with these (nothing: cancelled).
    ScriptedPrompter &expectFiles(const QStringList &answer);
    ScriptedPrompter &expectInput(std::optional<QString> answer);
    // The next prompt must be the font (or colour) dialog, answered with this
    // value (an invalid colour, or a font with no family: cancelled).
    ScriptedPrompter &expectFont(const QFont &answer);
    ScriptedPrompter &expectColour(const QColor &answer);
    // The next prompt must be one of the program's own dialogs whose title
    // contains titlePart; fill sets its controls as the user would, and the
    // dialog is then accepted or cancelled.
    ScriptedPrompter &expectDialog(const QString &titlePart, std::function<void(QDialog &)> fill, bool accept = true);

    // The file dialogs and input boxes seen, in order.
    const QList<FileDialog> &fileDialogs() const { return m_fileDialogs; }
    // The questions of the input boxes seen, in order.
    const QStringList &inputPrompts() const { return m_inputPrompts; }

    Button message(const Message &message) override;
    QStringList openFiles(const FileDialog &dialog) override;
    QString openFile(const FileDialog &dialog) override;
    QString saveFile(const FileDialog &dialog) override;
    QString chooseFolder(const QString &caption, const QString &startFolder) override;
    std::optional<QString> inputText(const QString &caption, const QString &prompt, const QString &value) override;
    bool chooseFont(QFont &font) override;
    bool chooseColour(QColor &colour) override;
    bool runDialog(QDialog &dialog) override;
    bool printDialog(QPrinter &printer) override;
    bool printerSetup(QPrinter &printer) override;

    const QList<Message> &seen() const { return m_seen; }
    bool allAnswered() const { return m_script.isEmpty(); }

private:
    enum class Kind { Message, PrintDialog, PrinterSetup, Files, Input, Font, Colour, Dialog };
    struct Step
    {
        Kind kind;
        QString textPart;
        Button answer;
        QStringList files;
        std::optional<QString> input;
        QFont font;
        QColor colour;
        std::function<void(QDialog &)> fill;
    };
    bool dialog(Kind kind, const char *name);
    QStringList files(const char *name);
    QList<FileDialog> m_fileDialogs;
    QStringList m_inputPrompts;
    QList<Step> m_script;
    QList<Message> m_seen;
};
