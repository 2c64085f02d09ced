#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/DocumentAccess.h"
#include "cli/Invocation.h"
#include "cli/ToolContext.h"
#include "html/LinkScanner.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

// A link text may run over several lines; one row per reference keeps the
// output readable by line-based tools.
QString field(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral("[\\t\\r\\n]+"));
    return QString(text).replace(breaks, QStringLiteral(" "));
}

} // namespace

int runLinks(const Invocation &invocation, const ToolContext &context)
{
    const FileArgument &file = invocation.files.first();
    const std::optional<DocumentFile> document = readDocument(file);
    if (!document)
        return ExitFailure;
    // The entries the document properties window lists: everything but internal targets.
    LinkScan scan;
    scan.first = 1;
    scan.last = 10;
    scan.scriptFilter = context.options.scriptFilter;
    scan.htmlFilter = context.options.htmlFilter;
    QList<LinkItem> items;
    ScanLinksInText(document->text, QFileInfo(file.shown).absolutePath(), scan, items);
    QString rows;
    for (const LinkItem &item : items)
        rows += QStringList{field(item.target), field(item.description), item.kind, item.size}.join(QLatin1Char('\t'))
            + QLatin1Char('\n');
    Console::print(rows);
    return ExitSuccess;
}
