#pragma once

#include <QByteArray>

// Whether a request's Host header names this server itself: the loopback
// address (or "localhost") with the server's port. Anything else is a page
// elsewhere reaching the server under another name (DNS rebinding), which
// must not read the user's files.
bool isOwnHost(const QByteArray &hostHeader, quint16 port);
