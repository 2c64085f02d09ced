#pragma once

#include "projects/PublishRecord.h"

#include <QSet>
#include <QStringList>

#include <optional>

// What comparing files with their records found.
struct ChangeCheck
{
    // Files with no record or another content than recorded, in the order given.
    QStringList changed;
    // Files whose time moved but whose content is the recorded one, in their
    // present state: recording them spares hashing them the next time.
    QList<UploadedFile> touched;
};

// Compares each file (absolute, clean paths) with its record on every core:
// size and time first, the content's SHA-256 only when they differ from the
// record. Missing files are neither changed nor touched; a file whose content
// cannot be read is changed.
ChangeCheck checkFiles(const QHash<QString, RecordedFile> &recorded, const QStringList &files);

// The files changed since they were last published to the site; the touched
// ones get their new time recorded where the record can be written. Nothing
// when the record cannot be read (its errorText() tells why).
std::optional<QStringList> changedSincePublishing(PublishRecord &record, const QString &site, const QStringList &files);

// The names of a folder's files that changed since they were last published
// to any site: those without a record and those whose content differs from
// their latest record (PublishRecord::latestFilesIn). Without a record
// database every file has changed, and none is made. Nothing when the record
// cannot be read. Opens its own connection, so any thread may call it.
std::optional<QSet<QString>> changedSinceLastPublished(const QString &databasePath, const QString &folder,
                                                       const QStringList &names);

// The files changed since the project was last published: compared with the
// site recorded under the project's title. A project never published, or one
// whose record cannot be read, has every existing file changed, so nothing
// that may need publishing is left out.
QStringList changedSinceProjectPublished(PublishRecord *record, const QString &projectTitle, const QStringList &files);
