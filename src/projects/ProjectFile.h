#pragma once

#include "projects/ProjectTree.h"

#include <QString>

// The project file "projekt.pwp": the project tree in indented text form,
// one line per node ended by CR LF. It is read as UTF-8 when its bytes are
// valid UTF-8 (a byte order mark kept for writing back), else as
// Windows-1252, and written back in the encoding it was read in.

inline const QString ProjectFileName = QStringLiteral("projekt.pwp");

// The tree of the file; the root alone when there is no file. A file that
// stops at a bad level, or that exists but cannot be read, gives a damaged
// tree (with what could be read).
ProjectTree loadProjectFile(const QString &path);

// Writes the tree over the file. When the tree is damaged the file as it lies
// is first copied to the same name with ".bak" added, replacing an older
// copy, and nothing is written when that fails. False when the file could
// not be written; the tree is left as it was.
bool saveProjectFile(ProjectTree &tree, const QString &path);
