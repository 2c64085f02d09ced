#pragma once

#include <QString>

// Names the user types for a new remote folder or a renamed remote entry.
namespace RemoteNameRules {

// Why the name cannot be used, in Danish, or empty when it can: a name is
// one entry of the current folder, so it holds no "/", no line break or
// other control character, and is neither blank nor "." or "..".
QString problem(const QString &name);

} // namespace RemoteNameRules
