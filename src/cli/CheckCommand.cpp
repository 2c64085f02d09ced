#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/DocumentAccess.h"
#include "cli/Invocation.h"
#include "cli/ToolContext.h"
#include "html/CommaText.h"
#include "html/HtmlCheck.h"
#include "resources/LibraryTree.h"

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

    int exitCode = ExitSuccess;
    for (const QString &path : invocation.files) {
        const std::optional<DocumentFile> document = readDocument(path);
        if (!document) {
            exitCode = ExitFailure;
            continue;
        }
        const QString report = CheckHtml(document->text, lists.TagCheckElements);
        Console::print(path + QLatin1Char('\n') + report + (report.endsWith(QLatin1Char('\n')) ? QString() : QStringLiteral("\n")));
        if (report != CleanReport && exitCode == ExitSuccess)
            exitCode = ExitFindings;
    }
    return exitCode;
}
