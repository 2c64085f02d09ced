#pragma once

#include <QString>

// The project file keeps paths with the system's own separator, a root folder
// ending in one; the file system is reached with forward slashes.

// A path as the project file keeps it.
QString storedPath(const QString &path);

// A folder as the project file keeps a root folder: one separator at the end.
QString storedFolder(const QString &folder);

// A stored path as the file system takes it.
QString fileSystemPath(const QString &stored);

// Where a document lies: its stored relative path (".." steps allowed)
// resolved against the stored root folder.
QString documentFile(const QString &rootFolder, const QString &document);

// A file's path relative to the root folder, as the project file keeps it.
QString documentText(const QString &rootFolder, const QString &file);
