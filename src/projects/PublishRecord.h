#pragma once

#include "projects/FileState.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QSqlError;
class QSqlQuery;

// A file as it was when it was last uploaded to a site.
struct RecordedFile
{
    FileState state;
    QByteArray sha256;
};

// A file's present state, to be recorded as uploaded.
struct UploadedFile
{
    QString path; // absolute
    RecordedFile recorded;
};

// A file's present state as the record keeps it, with its absolute, clean
// path; nothing when it is no regular file or cannot be read whole. A transfer
// takes it before sending the file and records it once the upload succeeded,
// so that an edit made during the upload leaves the file changed.
std::optional<UploadedFile> captureFile(const QString &path);

// The publish record: for every site (by its normalised address, see
// SiteAddress.h) and every absolute file path, the file's size, time and
// SHA-256 at its last successful upload. It lives in one SQLite database in
// the user data folder, shared by the editor and pwtool (WAL, so that a reader
// never waits for a writer; a busy timeout for two writers).
//
// An object holds its own connection and is used on the thread that made it.
// Every call that fails answers false or nothing and leaves a Danish text for
// the user in errorText(); the database file is never removed or rewritten
// because it is damaged, and the user's files are only ever read.
class PublishRecord
{
public:
    // The database file in a user data folder.
    static QString fileIn(const QString &userDataFolder);

    explicit PublishRecord(QString databasePath);
    ~PublishRecord();

    PublishRecord(const PublishRecord &) = delete;
    PublishRecord &operator=(const PublishRecord &) = delete;

    // Opens the database, creating it (and its folder) when missing.
    bool open();
    QString errorText() const { return m_errorText; }

    // Every file recorded for the site, by absolute path.
    std::optional<QHash<QString, RecordedFile>> siteFiles(const QString &site);
    // The latest record of each file directly in the folder (not in its
    // subfolders), over all sites: the one of the newest file time, which is
    // the state the file was last published in. By absolute path.
    std::optional<QHash<QString, RecordedFile>> latestFilesIn(const QString &folder);
    // The site last recorded under this title (titles compare without regard to case).
    std::optional<QString> siteForTitle(const QString &title);

    // Records the files in the given states, in one transaction, and the
    // site's title (unless empty), which no other site keeps then.
    bool record(const QString &site, const QList<UploadedFile> &files, const QString &title = QString());
    // Captures each file's present state (on every core) and records it as
    // uploaded; a file that cannot be captured is left out and so stays changed.
    bool recordUploaded(const QString &site, const QString &title, const QStringList &paths);

    // The program moved or renamed a file or a folder: its records, for every
    // site, follow it, replacing any that were kept for the new path.
    bool moveFile(const QString &from, const QString &to);
    bool moveFolder(const QString &from, const QString &to);

private:
    bool prepareSchemaWhenFree(bool fresh);
    // fresh: the database file is new or empty.
    bool prepareSchema(bool fresh);
    bool prepareTables();
    bool fail(const QSqlError &error);
    // Runs a query for (path, size, modified, sha256) rows.
    std::optional<QHash<QString, RecordedFile>> recordsFrom(QSqlQuery &query);
    bool moveInOneStep(const std::function<bool(QSqlQuery &)> &statements);

    QString m_path;
    QString m_connection;
    QString m_errorText;
    bool m_failedBusy = false; // the last failure was another connection's lock
};
