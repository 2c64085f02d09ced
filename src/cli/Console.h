#pragma once

#include <QByteArray>
#include <QString>

// What pwtool says: results on standard output, problems on standard error
// prefixed by the program's name. Texts are written as UTF-8.
namespace Console {

void print(const QString &text);
void writeBytes(const QByteArray &bytes);
void complain(const QString &message);

} // namespace Console

// The exit codes a shell script can rely on.
enum ExitCode {
    ExitSuccess = 0,
    ExitFindings = 1, // check: a file has findings; date: a broken date was left alone
    ExitFailure = 2, // bad arguments, or a file that could not be read or written
};
