#pragma once

#include <QString>

#include <optional>

// Passwords kept in the desktop's secret store (the freedesktop secret
// service or KWallet, through QtKeychain) under the service "Pagewick".
namespace DesktopSecrets {

// True when a secret store answers on the session bus. Without a session bus
// this is known at once, so no caller ever waits for a bus time-out.
bool running();

// The secret kept under this name; nothing when there is none or the store
// cannot be read.
std::optional<QString> read(const QString &name);
// False when the store refused it.
bool write(const QString &name, const QString &secret);
// Removes the secret; nothing happens when there is none.
void erase(const QString &name);

} // namespace DesktopSecrets
