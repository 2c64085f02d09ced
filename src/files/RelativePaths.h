#pragma once

#include <QString>

// How the program writes references to files: relative to a document's folder.
// Both "/" and "\" are read as separators; paths come back with "/".

// The target's path relative to the folder of baseFile; just the target's file
// name when there is no base (an unsaved document). A target the base's folder
// cannot reach (another drive) stays absolute. With slashes every separator is
// "/", else the platform's own.
QString RelativePath(const QString &baseFile, const QString &targetFile, bool slashes);

// The folder joined with a relative path whose leading "./" is dropped, each
// leading "../" takes one folder off, and a leading run of n > 2 dots and a
// separator takes n - 1 folders off. The folder's root is never taken off.
QString ResolvePath(const QString &folder, const QString &relative);
