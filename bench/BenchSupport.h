#pragma once

// What the benchmarks share: a prompter that asks nothing, writing a file
// and the process's resident memory.
#include "app/DialogFreePrompter.h"

#include <QFile>
#include <QRegularExpression>

#include <cstdio>

class QuietPrompter : public DialogFreePrompter
{
public:
    Button message(const Message &m) override
    {
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(m.text));
        return Cancel;
    }
};

// Writes the file whole or stops the benchmark: timing a half-written page means nothing.
inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

inline long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const auto match = QRegularExpression(QStringLiteral("VmRSS:\\s*(\\d+)")).match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLong() : -1;
}
