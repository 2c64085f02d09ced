#pragma once

#include <QString>

#include <optional>

// A site is known to the publish record by its address, which stays the same
// when the user renames the site: the scheme, user, host, port and start
// folder of the connection, written one way only ("ftp://user@host/folder").
// The scheme defaults to ftp, the host is lower case, the scheme's own port is
// left out, the folder is cleaned and has no trailing slash; a password, query
// or fragment is dropped. Nothing when the text names no host.
std::optional<QString> normaliseSiteAddress(const QString &address);
