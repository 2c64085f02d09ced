#pragma once

#include "publish/FtpTypes.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

// Turns a server's folder listing into find records. "." and ".." and names
// that cannot name an entry of the folder (holding "/" or NUL) are left out.
namespace ListingParser {

// Machine-readable listing lines ("type=file;size=5;modify=...; name").
QList<TFindData> parseMachineListing(const QByteArray &text);
// "ls -l" style lines (Unix servers and SFTP) and DOS style lines
// ("12-31-23  10:00AM  <DIR>  name"). Times without a year are taken in the
// twelve months up to `now`.
QList<TFindData> parseLongListing(const QByteArray &text, const QDateTime &now = QDateTime::currentDateTimeUtc());

} // namespace ListingParser
