#include "dialogs/element/HtmlVersions.h"

#include "resources/TextFileLines.h"

#include <QDir>

namespace HtmlVersions {

QStringList items(const std::optional<QStringList> &fileLines)
{
    if (!fileLines || fileLines->isEmpty())
        return {QString()};
    return *fileLines;
}

QStringList load(const QString &programFolder)
{
    return items(readTextFileLines(QDir(programFolder).filePath(FileName)));
}

} // namespace HtmlVersions
