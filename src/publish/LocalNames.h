#pragma once

#include <QString>

// Names that come from a server are never trusted as local file names.
namespace LocalNames {

// A single file name that may be written into a local folder: not empty,
// not "." or "..", and free of "/", "\", NUL and other control characters.
bool isSafeFileName(const QString &name);
// A local path whose folder is the one the caller gave: no ".." segment and
// a safe file name at its end.
bool isSafeTarget(const QString &localPath);
// A text that may be sent as one command argument on the control connection
// (a line break in it would start a second command).
bool isSafeCommandArgument(const QString &text);

} // namespace LocalNames
