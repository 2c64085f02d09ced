#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/Invocation.h"
#include "cli/ToolContext.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const std::optional<Invocation> invocation = parseInvocation(app.arguments());
    if (!invocation)
        return ExitFailure;
    if (invocation->help) {
        Console::print(helpText());
        return ExitSuccess;
    }
    const std::optional<ToolContext> context = loadToolContext(invocation->settingsFile);
    if (!context)
        return ExitFailure;
    if (invocation->command == QLatin1String("check"))
        return runCheck(*invocation, *context);
    if (invocation->command == QLatin1String("convert"))
        return runConvert(*invocation, *context);
    if (invocation->command == QLatin1String("date"))
        return runDate(*invocation, *context);
    return runLinks(*invocation, *context);
}
