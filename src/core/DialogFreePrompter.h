#pragma once

#include "core/Prompter.h"

// A prompter for runs with nobody at the screen: every file, folder, text,
// font, colour, printer and own dialog is cancelled; how a message is answered is
// the subclass's.
class DialogFreePrompter : public Prompter
{
public:
    QStringList openFiles(const FileDialog &) override { return {}; }
    QString openFile(const FileDialog &) override { return {}; }
    QString saveFile(const FileDialog &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override { return {}; }
    bool chooseFont(QFont &) override { return false; }
    bool chooseColour(QColor &) override { return false; }
    bool runDialog(QDialog &) override { return false; }
    bool printDialog(QPrinter &) override { return false; }
    bool printerSetup(QPrinter &) override { return false; }
};
