#pragma once

#include <QByteArrayView>
#include <QString>

// What pwtool says: results on standard output, problems on standard error
// prefixed by the program's name. Texts are written as UTF-8.
namespace Console {

void print(const QString &text);
// The same, passed on at once: progress that a reader (a pipe, a log) should
// see as it happens.
void printNow(const QString &text);
// False once standard output has failed to take what was written (a full
// disk, a closed pipe); nothing more is written there, and finish() tells it.
bool writeBytes(QByteArrayView bytes);
void complain(const QString &message);
// Flushes and closes standard output, as the last thing the program does;
// false after telling why on standard error when anything written there was lost.
bool finish();

} // namespace Console

// The exit codes a shell script can rely on.
enum ExitCode {
    ExitSuccess = 0,
    ExitFindings = 1, // check: a file has findings; date: a broken date was left alone; publish: files not sent
    ExitFailure = 2, // bad arguments, or a file that could not be read or written
};
