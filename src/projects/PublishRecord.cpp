#include "projects/PublishRecord.h"

#include <functional>

#include "core/AppFolders.h"

#include <QAtomicInt>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>
#include <QtConcurrent/QtConcurrentMap>

namespace {

// The layout of the tables; a database written by a later layout is left alone.
constexpr int SchemaVersion = 1;

// How long a writer waits for another process's write to end.
constexpr int BusyTimeoutMs = 5000;

// Pages of 4 KB the write-ahead log holds before it is folded into the database.
constexpr int LogPagesBeforeCheckpoint = 10000;

// SQLite's primary result codes behind Qt's native error codes.
constexpr int SqliteBusy = 5;
constexpr int SqliteLocked = 6;
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADatabase = 26;

QString uniqueConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("pagewick-publish-record-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// SQL for paths that lie below a folder: ">= 'folder/'" and "< 'folder0'",
// as '0' follows '/' in every encoding the database compares by.
QString folderStart(const QString &folder)
{
    return folder + QLatin1Char('/');
}

QString folderEnd(const QString &folder)
{
    return folder + QLatin1Char('0');
}

// Records are kept by absolute, clean paths without a trailing slash.
QString recordPath(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

std::optional<UploadedFile> captureFile(const QString &path)
{
    const QString absolute = recordPath(path);
    const std::optional<FileState> state = readFileState(absolute);
    if (!state)
        return std::nullopt;
    const QByteArray sha256 = fileSha256(absolute);
    // A file written while it was read is not recorded in a state it never had.
    if (sha256.isEmpty() || readFileState(absolute) != state)
        return std::nullopt;
    return UploadedFile{absolute, RecordedFile{*state, sha256}};
}

QString PublishRecord::fileIn(const QString &userDataFolder)
{
    return AppFolders::join(userDataFolder, QStringLiteral("publish-record.sqlite"));
}

PublishRecord::PublishRecord(QString databasePath)
    : m_path(std::move(databasePath))
    , m_connection(uniqueConnectionName())
{
}

PublishRecord::~PublishRecord()
{
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool PublishRecord::open()
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        m_errorText = QStringLiteral("Overførselsregistret kan ikke åbnes, fordi Qt's SQLite-driver mangler "
                                     "(pakken libqt6sql6-sqlite).");
        return false;
    }
    const QFileInfo file(m_path);
    if (!QDir().mkpath(file.absolutePath())) {
        m_errorText = QStringLiteral("Mappen %1 til overførselsregistret kan ikke oprettes.").arg(shown(file.absolutePath()));
        return false;
    }
    const bool fresh = !file.exists() || file.size() == 0;
    if (file.exists() && !file.isFile()) {
        m_errorText = QStringLiteral("Overførselsregistret %1 er ikke en fil.").arg(shown(m_path));
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs));
    if (!db.open())
        return fail(db.lastError());
    return prepareSchemaWhenFree(fresh);
}

// While another connection turns a new file into a database, SQLite answers
// some of the first statements "busy" at once instead of waiting; the
// preparation is tried again for as long as a writer is waited for.
bool PublishRecord::prepareSchemaWhenFree(bool fresh)
{
    constexpr int PauseMs = 20;
    QDeadlineTimer deadline(BusyTimeoutMs);
    while (true) {
        m_failedBusy = false;
        if (prepareSchema(fresh))
            return true;
        if (!m_failedBusy || deadline.hasExpired())
            return false;
        QThread::msleep(PauseMs);
    }
}

bool PublishRecord::prepareSchema(bool fresh)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    // A new, empty record has nothing to lose yet: it is set up without
    // waiting for the disk, which costs a tenth of a second on a busy one. A
    // power cut in those milliseconds can at worst leave a record to start
    // anew.
    if (fresh && !query.exec(QStringLiteral("PRAGMA synchronous=OFF")))
        return fail(query.lastError());
    // The first statement that reads the file tells a damaged one.
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")))
        return fail(query.lastError());
    // Folding the log into the database waits for the disk twice; at
    // SQLite's default of 1,000 pages that happened every few hundred files
    // of an upload. The log now grows to about 40 MB before it is folded in,
    // and is folded in whole when the last connection closes.
    if (!query.exec(QStringLiteral("PRAGMA wal_autocheckpoint=%1").arg(LogPagesBeforeCheckpoint)))
        return fail(query.lastError());
    if (!prepareTables())
        return false;
    // An upload records each file as it arrives: with the log, a commit that
    // waits for no disk flush still survives the program being killed; only
    // a power cut can lose the last records, and their files are then sent
    // again.
    return query.exec(QStringLiteral("PRAGMA synchronous=NORMAL")) || fail(query.lastError());
}

bool PublishRecord::prepareTables()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return fail(query.lastError());
    const int version = query.value(0).toInt();
    if (version == SchemaVersion)
        return true;
    if (version > SchemaVersion) {
        m_errorText = QStringLiteral("Overførselsregistret %1 er skrevet af en nyere udgave af Pagewick og bruges ikke.")
                          .arg(shown(m_path));
        return false;
    }
    query.finish();
    // Another connection (the project page's background check, pwtool) may be
    // creating the tables at the same moment. A deferred transaction would
    // then fail at its first write without waiting; taking the write lock
    // first waits for the other, after which the statements change nothing.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(query.lastError());
    const bool created = query.exec(
                             QStringLiteral("CREATE TABLE IF NOT EXISTS published (site TEXT NOT NULL, path TEXT NOT NULL, "
                                            "size INTEGER NOT NULL, modified INTEGER NOT NULL, sha256 BLOB NOT NULL, "
                                            "PRIMARY KEY (site, path)) WITHOUT ROWID"))
        && query.exec(QStringLiteral("CREATE INDEX IF NOT EXISTS published_path ON published (path)"))
        && query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS sites (site TEXT PRIMARY KEY, title TEXT)"))
        && query.exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion));
    if (!created) {
        const QSqlError error = query.lastError();
        query.exec(QStringLiteral("ROLLBACK"));
        return fail(error);
    }
    return query.exec(QStringLiteral("COMMIT")) || fail(query.lastError());
}

bool PublishRecord::fail(const QSqlError &error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    m_failedBusy = code == SqliteBusy || code == SqliteLocked;
    if (code == SqliteBusy || code == SqliteLocked) {
        m_errorText =
            QStringLiteral("Overførselsregistret %1 er optaget af et andet program. Prøv igen om lidt.").arg(shown(m_path));
    } else if (code == SqliteCorrupt || code == SqliteNotADatabase) {
        m_errorText = QStringLiteral("Overførselsregistret %1 er beskadiget og kan ikke bruges. Flyt eller slet filen, "
                                     "så begynder Pagewick et nyt register (alle filer regnes da for ændret).")
                          .arg(shown(m_path));
    } else {
        m_errorText = QStringLiteral("Overførselsregistret %1 kan ikke bruges: %2").arg(shown(m_path), error.text());
    }
    return false;
}

std::optional<QHash<QString, RecordedFile>> PublishRecord::siteFiles(const QString &site)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT path, size, modified, sha256 FROM published WHERE site = ?"));
    query.addBindValue(site);
    return recordsFrom(query);
}

std::optional<QHash<QString, RecordedFile>> PublishRecord::recordsFrom(QSqlQuery &query)
{
    if (!query.exec()) {
        fail(query.lastError());
        return std::nullopt;
    }
    QHash<QString, RecordedFile> files;
    while (query.next())
        files.insert(
            query.value(0).toString(),
            RecordedFile{FileState{query.value(1).toLongLong(), query.value(2).toLongLong()}, query.value(3).toByteArray()});
    if (query.lastError().isValid()) {
        fail(query.lastError());
        return std::nullopt;
    }
    return files;
}

std::optional<QHash<QString, RecordedFile>> PublishRecord::latestFilesIn(const QString &folder)
{
    QString start = recordPath(folder);
    if (!start.endsWith(QLatin1Char('/')))
        start += QLatin1Char('/');
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.setForwardOnly(true);
    // SQLite takes the other columns of a group from the row that gives MAX().
    query.prepare(QStringLiteral("SELECT path, size, MAX(modified), sha256 FROM published "
                                 "WHERE path >= ? AND path < ? AND instr(substr(path, length(?) + 1), '/') = 0 "
                                 "GROUP BY path"));
    query.addBindValue(start);
    query.addBindValue(QString(start.chopped(1) + QLatin1Char('0')));
    query.addBindValue(start);
    return recordsFrom(query);
}

std::optional<QString> PublishRecord::siteForTitle(const QString &title)
{
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    query.prepare(QStringLiteral("SELECT site FROM sites WHERE title = ? COLLATE NOCASE"));
    query.addBindValue(title);
    if (!query.exec()) {
        fail(query.lastError());
        return std::nullopt;
    }
    if (!query.next())
        return std::nullopt;
    return query.value(0).toString();
}

bool PublishRecord::record(const QString &site, const QList<UploadedFile> &files, const QString &title)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction())
        return fail(db.lastError());
    QSqlQuery query(db);
    bool written = true;
    if (!title.isEmpty()) {
        written = query.prepare(QStringLiteral("UPDATE sites SET title = NULL WHERE title = ? COLLATE NOCASE AND site <> ?"));
        query.addBindValue(title);
        query.addBindValue(site);
        written = written && query.exec();
        written = written && query.prepare(QStringLiteral("INSERT OR REPLACE INTO sites (site, title) VALUES (?, ?)"));
        query.addBindValue(site);
        query.addBindValue(title);
        written = written && query.exec();
    }
    written = written
        && query.prepare(QStringLiteral("INSERT OR REPLACE INTO published (site, path, size, modified, sha256) "
                                        "VALUES (?, ?, ?, ?, ?)"));
    for (qsizetype i = 0; written && i < files.size(); ++i) {
        const UploadedFile &file = files.at(i);
        query.addBindValue(site);
        query.addBindValue(file.path);
        query.addBindValue(file.recorded.state.size);
        query.addBindValue(file.recorded.state.modified);
        query.addBindValue(file.recorded.sha256);
        written = query.exec();
    }
    if (!written) {
        const QSqlError error = query.lastError();
        db.rollback();
        return fail(error);
    }
    return db.commit() || fail(db.lastError());
}

bool PublishRecord::recordUploaded(const QString &site, const QString &title, const QStringList &paths)
{
    const QList<std::optional<UploadedFile>> states = QtConcurrent::blockingMapped(paths, captureFile);
    QList<UploadedFile> files;
    for (const std::optional<UploadedFile> &state : states) {
        if (state)
            files.append(*state);
    }
    return record(site, files, title);
}

// Runs the statements of a move as one transaction: all of them or none.
bool PublishRecord::moveInOneStep(const std::function<bool(QSqlQuery &)> &statements)
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (!db.transaction())
        return fail(db.lastError());
    QSqlQuery query(db);
    if (!statements(query)) {
        const QSqlError error = query.lastError();
        db.rollback();
        return fail(error);
    }
    return db.commit() || fail(db.lastError());
}

bool PublishRecord::moveFile(const QString &from, const QString &to)
{
    const QString source = recordPath(from);
    const QString target = recordPath(to);
    return moveInOneStep([&](QSqlQuery &query) {
        bool moved = query.prepare(QStringLiteral("DELETE FROM published WHERE path = ?"));
        query.addBindValue(target);
        moved = moved && query.exec();
        moved = moved && query.prepare(QStringLiteral("UPDATE published SET path = ? WHERE path = ?"));
        query.addBindValue(target);
        query.addBindValue(source);
        return moved && query.exec();
    });
}

bool PublishRecord::moveFolder(const QString &from, const QString &to)
{
    const QString source = recordPath(from);
    const QString target = recordPath(to);
    return moveInOneStep([&](QSqlQuery &query) {
        bool moved = query.prepare(QStringLiteral("DELETE FROM published WHERE path >= ? AND path < ?"));
        query.addBindValue(folderStart(target));
        query.addBindValue(folderEnd(target));
        moved = moved && query.exec();
        moved = moved
            && query.prepare(QStringLiteral("UPDATE published SET path = ? || substr(path, length(?) + 1) "
                                            "WHERE path >= ? AND path < ?"));
        query.addBindValue(folderStart(target));
        query.addBindValue(folderStart(source));
        query.addBindValue(folderStart(source));
        query.addBindValue(folderEnd(source));
        return moved && query.exec();
    });
}
