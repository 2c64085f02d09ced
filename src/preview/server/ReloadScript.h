#pragma once

#include <QByteArray>

// The path of the WebSocket over which served pages hear that they are to reload.
inline constexpr char ReloadSocketPath[] = "/.pagewick/reload";

// The page with a few lines of script added before its closing body tag (or
// at its end): the script reloads the page when the server says so.
QByteArray withReloadScript(const QByteArray &page);
