#pragma once

#include "publish/FtpTypes.h"

#include <QString>

// Remote path rules; remote paths use "/" as separator.
namespace RemotePath {

// Appends "/" unless the path already ends in one or the file system is
// ftUnknown; an empty path becomes "/".
QString addSeparator(const QString &path, TFTPFileSystemType fileSystem);
// Drops one trailing "/" or "\" from a path longer than one character.
QString removeTrailingSeparator(const QString &path);
// Position of the last "/" counted from 1; 0 when there is none.
int lastSlash(const QString &path);
// The part before the last "/" (a single trailing "/" ignored); "/" when the
// only "/" is the first character; empty without any "/".
QString parentPath(const QString &path);
// Everything up to and including the last "/".
QString folderPart(const QString &path);
// Everything after the last "/".
QString namePart(const QString &path);
// The path as an absolute one, relative paths taken below the given folder;
// "." and ".." segments resolved, a trailing "/" kept.
QString absolute(const QString &currentFolder, const QString &path);

} // namespace RemotePath
