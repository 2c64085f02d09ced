#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/Invocation.h"
#include "search/FileSearch.h"

#include <QFile>

// Each matching line once, as "path:line:text", the form grep -nF gives, so
// that the output goes wherever grep's would.
int runSearch(const Invocation &invocation, const ToolContext &)
{
    SearchQuery query;
    query.text = invocation.texts.first();
    query.matchCase = !invocation.ignoreCase;
    query.wholeWord = invocation.wholeWord;
    QList<SearchSource> sources;
    for (const FileArgument &file : invocation.files)
        sources.append(SearchSource::file(QFile::decodeName(file.native)));

    bool found = false;
    bool failed = false;
    qsizetype at = 0;
    SearchRun run;
    run.found = [&](const SourceMatches &source) {
        const FileArgument &file = invocation.files[at++];
        if (!source.problem.isEmpty()) {
            Console::complain(QStringLiteral("%1: %2").arg(file.shown, source.problem));
            failed = true;
            return;
        }
        QByteArray lines;
        int lastLine = 0;
        for (const SearchMatch &match : source.matches) {
            if (match.line == lastLine)
                continue;
            lastLine = match.line;
            lines += file.native + ':' + QByteArray::number(match.line) + ':' + match.lineText.toUtf8() + '\n';
        }
        found = found || !source.matches.isEmpty();
        Console::writeBytes(lines);
    };
    searchSources(sources, query, run);
    return failed ? ExitFailure : found ? ExitSuccess : ExitFindings;
}
