#pragma once

#include "core/SettingsOptions.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

// The browsers the user has registered, and how a preview reaches them.
namespace ExternalBrowsers {

// The browser menu holds at most this many entries.
constexpr int MenuSize = 5;

// How a preview is shown: in the desktop's own browser when none is
// registered, after asking to register one when the first browser's program
// is missing, from the browser menu when it is wanted and a second browser
// is there, else in the first browser.
enum class Route { DesktopDefault, AskToRegister, Menu, FirstBrowser };
Route route(const QList<BrowserEntry> &browsers, bool menuWanted);

// The program a registered path names: the file itself, or a bare program
// name found on the search path; empty when there is no such program.
QString resolveProgram(const QString &path);

// The names the browser menu shows, up to the first empty one.
QStringList menuNames(const QList<BrowserEntry> &browsers);

// Starts the browser on the target without waiting for it; false when it could not start.
bool launch(const BrowserEntry &browser, const QString &target);

// A target as an address: a file path becomes a file: address.
QUrl targetUrl(const QString &target);

// The message for a browser that could not start.
QString launchFailure(const BrowserEntry &browser);

} // namespace ExternalBrowsers
