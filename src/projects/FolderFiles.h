#pragma once

#include <QString>
#include <QStringList>

// The regular files below a folder, at any depth, hidden ones included, as
// absolute clean paths in sorted order. Links to folders are not followed, so
// a link back up the tree cannot make the walk endless. This stands for a
// project's own file list where there is no project.
QStringList filesBelow(const QString &folder);
