#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/ConsolePrompter.h"
#include "cli/DocumentAccess.h"
#include "cli/Invocation.h"
#include "cli/ToolContext.h"
#include "editor/TextBuffer.h"
#include "files/FileClasses.h"
#include "html/AutoDate.h"

#include <QDateTime>

int runDate(const Invocation &invocation, const ToolContext &context)
{
    AutoDateSettings settings = AutoDateSettings::fromOptions(context.options, QDateTime::currentDateTime());
    // Saving asks before it adds a date; here --insert is the answer given in advance.
    settings.existingOnly = !invocation.insert;
    ConsolePrompter prompter(Prompter::Yes);

    int exitCode = ExitSuccess;
    for (const FileArgument &file : invocation.files) {
        const QString &path = file.shown;
        if (!FileClasses::isHtmlFile(path, context.options.htmlFilter)) {
            Console::complain(QStringLiteral("%1 er ikke en HTML-fil efter HTML-filteret (%2) og får ingen dato.")
                                  .arg(path, context.options.htmlFilter));
            continue;
        }
        const std::optional<DocumentFile> document = readDocument(file);
        if (!document) {
            exitCode = ExitFailure;
            continue;
        }
        TextBuffer text(document->text);
        const auto start = text.findFrom(AutoDateStartMarker, {1, 0});
        const bool broken = start && !text.findFrom(AutoDateEndMarker, start->end);
        if (UpdateAutoDate(text, path, AutoDateMode::Save, settings, prompter)) {
            if (!writeDocument(file, *document, text.GetText()))
                exitCode = ExitFailure;
        } else if (broken && exitCode == ExitSuccess) {
            exitCode = ExitFindings;
        }
    }
    return exitCode;
}
