#pragma once

class QUrl;

// Whether the address can be reached while working offline: local files,
// pages the engine makes itself, and servers on the user's own machine.
bool reachableOffline(const QUrl &url);
