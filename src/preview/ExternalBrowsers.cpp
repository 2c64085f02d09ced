#include "preview/ExternalBrowsers.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace ExternalBrowsers {

Route route(const QList<BrowserEntry> &browsers, bool menuWanted)
{
    if (browsers.isEmpty())
        return Route::DesktopDefault;
    if (resolveProgram(browsers.at(0).path).isEmpty())
        return Route::AskToRegister;
    if (menuWanted && browsers.size() > 1 && !resolveProgram(browsers.at(1).path).isEmpty())
        return Route::Menu;
    return Route::FirstBrowser;
}

QString resolveProgram(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo file(path);
    if (file.isFile() && file.isExecutable())
        return file.absoluteFilePath();
    if (!path.contains(QLatin1Char('/')) && !path.contains(QLatin1Char('\\')))
        return QStandardPaths::findExecutable(path);
    return {};
}

QStringList menuNames(const QList<BrowserEntry> &browsers)
{
    QStringList names;
    for (const BrowserEntry &browser : browsers) {
        if (browser.name.isEmpty() || names.size() == MenuSize)
            break;
        names.append(browser.name);
    }
    return names;
}

bool launch(const BrowserEntry &browser, const QString &target)
{
    const QString program = resolveProgram(browser.path);
    return !program.isEmpty() && QProcess::startDetached(program, {target});
}

QUrl targetUrl(const QString &target)
{
    const QUrl address(target);
    // A one-letter scheme is a Windows drive ("C:/www/a.html"), not an address.
    if (address.isValid() && address.scheme().size() > 1)
        return address;
    return QUrl::fromLocalFile(target);
}

QString launchFailure(const BrowserEntry &browser)
{
    const QString name = browser.name.isEmpty() ? QFileInfo(browser.path).fileName() : browser.name;
    return QStringLiteral("Browseren %1 kunne ikke startes.\nTjek stien til programmet, %2, under Funktioner, "
                          "Indstillinger, Programstier.")
        .arg(name, QDir::toNativeSeparators(browser.path));
}

} // namespace ExternalBrowsers
