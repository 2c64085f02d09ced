#pragma once

#include "core/Prompter.h"

class QWidget;

// Answers the program's messages with Qt's own message boxes.
class QtPrompter : public Prompter
{
public:
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
};
