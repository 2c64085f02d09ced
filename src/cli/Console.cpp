#include "cli/Console.h"

#include "editor/FileWriteError.h"

#include <cerrno>
#include <cstdio>

namespace {

// The system's error number of the first write to standard output that failed.
int outputError = 0;
bool outputClosed = false;

void noteOutputError()
{
    if (outputError == 0)
        outputError = errno != 0 ? errno : EIO;
}

} // namespace

namespace Console {

void print(const QString &text)
{
    writeBytes(text.toUtf8());
}

void printNow(const QString &text)
{
    if (writeBytes(text.toUtf8()) && std::fflush(stdout) != 0)
        noteOutputError();
}

bool writeBytes(QByteArrayView bytes)
{
    if (outputError != 0)
        return false;
    if (std::fwrite(bytes.data(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()))
        noteOutputError();
    return outputError == 0;
}

void complain(const QString &message)
{
    // What was written before the complaint shows before it.
    if (!outputClosed && std::fflush(stdout) != 0)
        noteOutputError();
    const QByteArray line = (QStringLiteral("pwtool: ") + message + QLatin1Char('\n')).toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
}

bool finish()
{
    // Written bytes may wait in the buffer, and a file system may refuse them
    // only when the file is closed.
    if (std::fflush(stdout) != 0)
        noteOutputError();
    outputClosed = true;
    if (std::fclose(stdout) != 0)
        noteOutputError();
    if (outputError == 0)
        return true;
    const FileWriteError error{outputError, qt_error_string(outputError)};
    complain(QStringLiteral("Kan ikke skrive resultatet på standard-output: %1.").arg(error.reason()));
    return false;
}

} // namespace Console
