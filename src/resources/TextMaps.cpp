#include "resources/TextMaps.h"

#include "resources/TextFileLines.h"

namespace TextMaps {

std::optional<QStringList> load(const QString &path)
{
    std::optional<QStringList> lines = readTextFileLines(path);
    if (lines)
        lines->removeAll(QString());
    return lines;
}

} // namespace TextMaps
