#pragma once

// What the benchmarks share: a prompter that asks nothing and the process's
// resident memory.
#include "app/Prompter.h"

#include <QFile>
#include <QRegularExpression>

#include <cstdio>

class QuietPrompter : public Prompter
{
public:
    Button message(const Message &m) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(m.text));
        return Cancel;
    }
    QStringList openFiles(const FileDialog &) override { return {}; }
    QString openFile(const FileDialog &) override { return {}; }
    QString saveFile(const FileDialog &) override { return {}; }
    QString chooseFolder(const QString &, const QString &) override { return {}; }
    std::optional<QString> inputText(const QString &, const QString &, const QString &) override { return {}; }
    bool chooseFont(QFont &) override { return false; }
    bool chooseColour(QColor &) override { return false; }
    bool printDialog(QPrinter &) override { return false; }
    bool printerSetup(QPrinter &) override { return false; }
};

inline long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const auto match = QRegularExpression(QStringLiteral("VmRSS:\\s*(\\d+)")).match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLong() : -1;
}
