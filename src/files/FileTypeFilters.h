#pragma once

#include <QString>

// The seven type filters of the file list, in the order of their menu entries.
enum class FileTypeFilter { Html, Images, Sound, Stylesheets, Scripts, Archives, All };

inline constexpr int FileTypeFilterCount = 7;

// The mask a filter gives the file list; the HTML and script filters are the
// user's settings.
QString fileTypeMask(FileTypeFilter filter, const QString &htmlFilter, const QString &scriptFilter);
