#include "files/FileTypeFilters.h"

#include "files/FileClasses.h"

QString fileTypeMask(FileTypeFilter filter, const QString &htmlFilter, const QString &scriptFilter)
{
    switch (filter) {
    case FileTypeFilter::Html:
        return htmlFilter;
    case FileTypeFilter::Images:
        return FileClasses::ImageMasks;
    case FileTypeFilter::Sound:
        return FileClasses::SoundMasks;
    case FileTypeFilter::Stylesheets:
        return QStringLiteral("*.css");
    case FileTypeFilter::Scripts:
        return scriptFilter;
    case FileTypeFilter::Archives:
        return QStringLiteral("*.exe,*.zip");
    case FileTypeFilter::All:
        break;
    }
    return QStringLiteral("*.*");
}
