#include "projects/ProjectPaths.h"

#include "files/RelativePaths.h"

#include <QDir>

QString storedPath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString storedFolder(const QString &folder)
{
    QString stored = storedPath(folder);
    if (!stored.endsWith(QDir::separator()))
        stored += QDir::separator();
    return stored;
}

QString fileSystemPath(const QString &stored)
{
    // Files written where the separator is a backslash read the same here.
    return QString(stored).replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QString documentFile(const QString &rootFolder, const QString &document)
{
    return ResolvePath(fileSystemPath(rootFolder), fileSystemPath(document));
}

QString documentText(const QString &rootFolder, const QString &file)
{
    return storedPath(QDir(fileSystemPath(rootFolder)).relativeFilePath(fileSystemPath(file)));
}
