#include "projects/FolderFiles.h"

#include <QDir>
#include <QDirIterator>

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator walk(QDir(folder).absolutePath(), QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                      QDirIterator::Subdirectories);
    while (walk.hasNext())
        files.append(QDir::cleanPath(walk.next()));
    files.sort();
    return files;
}
