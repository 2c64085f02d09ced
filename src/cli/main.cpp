#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/Invocation.h"
#include "cli/NativeArguments.h"
#include "cli/ToolContext.h"

#include <QCoreApplication>

namespace {

int run(const Invocation &invocation)
{
    if (invocation.help) {
        Console::print(helpText());
        return ExitSuccess;
    }
    const std::optional<ToolContext> context = loadToolContext(invocation.settingsFile);
    if (!context)
        return ExitFailure;
    if (invocation.command == QLatin1String("check"))
        return runCheck(invocation, *context);
    if (invocation.command == QLatin1String("convert"))
        return runConvert(invocation, *context);
    if (invocation.command == QLatin1String("date"))
        return runDate(invocation, *context);
    if (invocation.command == QLatin1String("changed"))
        return runChanged(invocation, *context);
    if (invocation.command == QLatin1String("publish"))
        return runPublish(invocation, *context);
    if (invocation.command == QLatin1String("search"))
        return runSearch(invocation, *context);
    if (invocation.command == QLatin1String("replace"))
        return runReplace(invocation, *context);
    return runLinks(invocation, *context);
}

} // namespace

int main(int argc, char *argv[])
{
    // The arguments as the system's bytes: QCoreApplication::arguments()
    // would lose every file name that is no UTF-8.
    const QStringList arguments = decodeArguments(argc, argv);
    QCoreApplication app(argc, argv);
    const std::optional<Invocation> invocation = parseInvocation(arguments);
    if (!invocation)
        return ExitFailure;
    const int exitCode = run(*invocation);
    return Console::finish() ? exitCode : ExitFailure;
}
