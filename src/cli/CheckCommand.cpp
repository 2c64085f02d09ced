#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/DocumentAccess.h"
#include "cli/Invocation.h"
#include "cli/ToolContext.h"
#include "editor/FileByteStream.h"
#include "html/CommaText.h"
#include "html/HtmlCheck.h"
#include "resources/LibraryTree.h"

#include <QtConcurrent/QtConcurrentMap>

namespace {

const QString CleanReport = QStringLiteral("Pagewick fandt ingen fejl i koden.");

} // namespace

int runCheck(const Invocation &invocation, const ToolContext &context)
{
    // The check list is built as the editor builds it when the HTML library loads.
    const QString library = context.libraryFile(QStringLiteral("html4bib.dat"));
    LibraryLists lists;
    if (!LoadLibraryTree(library, lists, CommaText::split(context.options.checkExclusions))) {
        Console::complain(QStringLiteral("Kan ikke læse biblioteksfilen %1.").arg(library));
        return ExitFailure;
    }
    const HtmlCheckList checkList(lists.TagCheckElements);

    // The files are read and checked on every core, each as its bytes (the
    // check gives the same report on them as on the decoded text); the reports
    // and complaints are written in the order of the files.
    const QFuture<std::optional<QString>> reports = QtConcurrent::mapped(
        invocation.files, [&checkList](const FileArgument &argument) -> std::optional<QString> {
            // Each thread reads every file into the same memory, a piece at a
            // time: fresh memory costs more than reading.
            thread_local QByteArray buffer;
            FileByteStream file(argument.native);
            if (!file.isOpen())
                return std::nullopt;
            return CheckHtml(file.reader(), buffer, checkList);
        });
    int exitCode = ExitSuccess;
    for (qsizetype at = 0; at < invocation.files.size(); ++at) {
        const FileArgument &file = invocation.files[at];
        const std::optional<QString> report = reports.resultAt(int(at));
        if (!report) {
            complainUnreadable(file);
            exitCode = ExitFailure;
            continue;
        }
        // The name as it was given, so that a script can use what it reads.
        Console::writeBytes(QByteArray(file.native + '\n'));
        Console::print(*report + (report->endsWith(QLatin1Char('\n')) ? QString() : QStringLiteral("\n")));
        if (*report != CleanReport && exitCode == ExitSuccess)
            exitCode = ExitFindings;
    }
    return exitCode;
}
