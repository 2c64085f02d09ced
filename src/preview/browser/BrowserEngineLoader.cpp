#include "preview/browser/BrowserEngineLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <unistd.h>

namespace {

// The engine's own sandbox refuses to run for the superuser; as root the
// browser runs without it rather than not at all.
void allowSandboxlessEngineForRoot()
{
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

QString modulePath()
{
    const QString chosen = qEnvironmentVariable("PAGEWICK_BROWSER_MODULE");
    if (!chosen.isEmpty())
        return chosen;
    // bin/ and lib/pagewick/ lie side by side in the build tree and in an installed copy.
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("../lib/pagewick/" PAGEWICK_BROWSER_MODULE));
}

} // namespace

LoadedBrowserEngine loadBrowserEngine(QWidget *parent)
{
    allowSandboxlessEngineForRoot();
    // The module stays loaded until the process ends: the engine cannot be unloaded.
    QLibrary module(modulePath());
    const auto create = reinterpret_cast<CreateBrowserEngine>(module.resolve(CreateBrowserEngineSymbol));
    if (!create)
        return {nullptr, module.errorString()};
    return {std::unique_ptr<BrowserEngine>(create(parent)), {}};
}
