#pragma once

#include <QString>

// The folder for this user's sockets and locks: one that no other user of the
// machine can enter, so that nobody else can plant a socket or a lock there.
namespace RuntimeFolder {

// XDG_RUNTIME_DIR when it is this user's own folder, closed to everyone else
// (mode 0700); otherwise fallback(), made when missing (mode 0700) and closed
// again when it is this user's but open to others. Empty when neither can be had.
QString path();
// "pagewick" in the user's cache folder.
QString fallback();
// A socket file of this user's.
bool isOwnSocket(const QString &path);

} // namespace RuntimeFolder
