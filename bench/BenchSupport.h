#pragma once

// What the benchmarks share: a prompter that asks nothing, a large page,
// writing a file and the process's resident memory.
#include "core/DialogFreePrompter.h"

#include <QFile>
#include <QRegularExpression>

#include <cstdio>
#include <functional>

class QuietPrompter : public DialogFreePrompter
{
public:
    Button message(const Message &m) override
    {
        if (messages)
            return messages(m);
        std::fprintf(stderr, "unexpected message: %s\n", qPrintable(m.text));
        return Cancel;
    }
    bool runDialog(QDialog &dialog) override { return dialogs ? dialogs(dialog) : false; }

    // What a benchmark does with the dialogs and messages it expects.
    std::function<bool(QDialog &)> dialogs;
    std::function<Button(const Message &)> messages;
};

// Writes the file whole or stops the benchmark: timing a half-written page means nothing.
inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A page of about `bytes` bytes: a table of rows with attributes, links,
// comments and Danish letters, as a large hand-made page has them.
inline QByteArray sampleHtml(qsizetype bytes)
{
    const QByteArray row =
        "<tr class=\"row\"><td align='left'>Celle med tekst æøå</td><td><a href=\"side.htm\">Link</a></td></tr>\n"
        "<!-- en kommentar --><p>Et afsnit med <b>fed</b> og <i>kursiv</i> tekst.</p>\n";
    QByteArray html = "<!DOCTYPE html>\n<html>\n<head><title>Stor side</title></head>\n<body>\n<table>\n";
    html.reserve(bytes + row.size());
    while (html.size() < bytes)
        html += row;
    return html + "</table>\n</body>\n</html>\n";
}

inline long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const auto match = QRegularExpression(QStringLiteral("VmRSS:\\s*(\\d+)")).match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLong() : -1;
}
