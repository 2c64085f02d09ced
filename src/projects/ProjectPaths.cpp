#include "projects/ProjectPaths.h"

#include "files/RelativePaths.h"

#include <QDir>

QString storedPath(const QString &path)
{
    return QString(path).replace(QLatin1Char('/'), QLatin1Char('\\'));
}

QString storedFolder(const QString &folder)
{
    QString stored = storedPath(folder);
    if (!stored.endsWith(QLatin1Char('\\')))
        stored += QLatin1Char('\\');
    return stored;
}

QString fileSystemPath(const QString &stored)
{
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
