#pragma once

#include <QByteArray>
#include <QString>

// A file named on the command line: its name as the system's bytes, which
// reach the file whatever they are, and as messages show it (UTF-8, with
// each byte that is none replaced).
struct FileArgument
{
    QByteArray native;
    QString shown;

    static FileArgument fromNative(const QByteArray &native) { return {native, QString::fromUtf8(native)}; }
};
