#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/Invocation.h"
#include "search/FileReplace.h"

#include <QFile>
#include <QHash>

// "path:count" for each file replaced in (the form grep -c gives), the
// skipped files with their reasons on standard error.
int runReplace(const Invocation &invocation, const ToolContext &)
{
    SearchQuery query;
    query.text = invocation.texts.at(0);
    query.matchCase = !invocation.ignoreCase;
    QStringList paths;
    QHash<QString, QByteArray> givenNames;
    for (const FileArgument &file : invocation.files) {
        paths.append(QFile::decodeName(file.native));
        givenNames.insert(paths.last(), file.native);
    }
    const ReplaceReport report = replaceInFiles(paths, query, invocation.texts.at(1), invocation.backup);
    QByteArray counts;
    for (const FileReplacement &file : report.files) {
        if (file.problem.isEmpty())
            counts += givenNames.value(file.path) + ':' + QByteArray::number(file.count) + '\n';
        else
            Console::complain(
                QStringLiteral("%1: %2 Den er sprunget over.").arg(QString::fromUtf8(givenNames.value(file.path)), file.problem));
    }
    Console::writeBytes(counts);
    const int skipped = report.skipped();
    if (skipped == 0)
        return ExitSuccess;
    Console::complain(QStringLiteral("%1 af %2 filer er behandlet; %3 er sprunget over.")
                          .arg(report.files.size() - skipped)
                          .arg(report.files.size())
                          .arg(skipped));
    return ExitFailure;
}
