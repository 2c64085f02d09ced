#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The texts of the remote listing and its folder list, in Danish whatever
// the system's language is.
namespace ListingTexts {

// A file's size in bytes with thousands separators and no decimals.
QString sizeText(qint64 bytes);
// The short date and the time with seconds, in local time; empty for an
// invalid date (a server that gave none).
QString dateText(const QDateTime &time);

// The levels of a remote folder for the folder list: "/web/grafik" gives
// "web", "grafik"; the root gives none.
QStringList folderLevels(const QString &remoteFolder);
// The folder of the first `count` levels; 0 gives the root "/".
QString levelPath(const QStringList &levels, int count);
// A folder entry of the listing, entered from the current folder.
QString childPath(const QString &currentFolder, const QString &name);

} // namespace ListingTexts
