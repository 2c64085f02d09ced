// The publish record: which files changed since their last upload, how
// records follow moved files, and what a damaged or busy database does.
#include "projects/ChangedFiles.h"
#include "projects/FolderFiles.h"
#include "projects/PublishRecord.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QString Site = QStringLiteral("ftp://host.dk/www");
const QString OtherSite = QStringLiteral("ftp://other.dk");

class PublishRecordTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return QDir::cleanPath(m_dir.filePath(name)); }
    QString databasePath() const { return path(QStringLiteral("data/publish-record.sqlite")); }

    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(path(name)).absolutePath());
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Moves the file's time by whole seconds without touching its content.
    void shiftTime(const QString &name, int seconds) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        const QDateTime time = file.fileTime(QFileDevice::FileModificationTime);
        ASSERT_TRUE(file.setFileTime(time.addSecs(seconds), QFileDevice::FileModificationTime));
    }

    QStringList changed(PublishRecord &record, const QString &site) const
    {
        const std::optional<QStringList> files = changedSincePublishing(record, site, filesBelow(path(QStringLiteral("site"))));
        EXPECT_TRUE(files.has_value()) << record.errorText().toStdString();
        return files.value_or(QStringList());
    }

    QStringList paths(const QStringList &names) const
    {
        QStringList result;
        for (const QString &name : names)
            result.append(path(name));
        return result;
    }

    QTemporaryDir m_dir;
};

TEST_F(PublishRecordTest, OnlyFilesWhoseContentDiffersFromTheUploadAreChanged)
{
    QStringList names;
    for (int i = 0; i < 20; ++i) {
        names.append(QStringLiteral("site/%1/side%2.html").arg(i % 3).arg(i));
        writeFile(names.last(), QByteArray("<p>side ") + QByteArray::number(i) + "</p>");
    }
    PublishRecord record(databasePath());
    ASSERT_TRUE(record.open()) << record.errorText().toStdString();
    // Nothing uploaded yet: everything is changed.
    EXPECT_EQ(changed(record, Site), filesBelow(path(QStringLiteral("site"))));
    ASSERT_TRUE(record.recordUploaded(Site, QStringLiteral("Min side"), filesBelow(path(QStringLiteral("site")))));
    EXPECT_EQ(changed(record, Site), QStringList());

    // Two touched, one rewritten with the same size and an older time, one
    // grown, one rewritten with the same size and a later time.
    shiftTime(names[1], 60);
    shiftTime(names[2], -60);
    writeFile(names[3], "<p>SIDE 3</p>");
    shiftTime(names[3], -120);
    writeFile(names[4], "<p>side 4 og mere</p>");
    writeFile(names[5], "<p>SIDE 5</p>");
    shiftTime(names[5], 5);
    writeFile(QStringLiteral("site/ny.html"), "ny");
    const QStringList expected = paths({names[3], names[4], names[5], QStringLiteral("site/ny.html")});
    QStringList found = changed(record, Site);
    found.sort();
    QStringList sortedExpected = expected;
    sortedExpected.sort();
    EXPECT_EQ(found, sortedExpected);

    // The touched files' new times are kept, so they are not read again.
    const QHash<QString, RecordedFile> files = record.siteFiles(Site).value();
    EXPECT_EQ(files.value(path(names[1])).state, readFileState(path(names[1])).value());
    EXPECT_EQ(files.value(path(names[2])).state, readFileState(path(names[2])).value());

    // Another site knows none of these uploads.
    EXPECT_EQ(changed(record, OtherSite).size(), names.size() + 1);
}

TEST_F(PublishRecordTest, AFolderListGoesByEachFilesLatestRecordOverAllSites)
{
    const QString site = path(QStringLiteral("site"));
    const QStringList names{QStringLiteral("a.html"), QStringLiteral("b.html"), QStringLiteral("c.html")};
    for (const QString &name : names)
        writeFile(QStringLiteral("site/") + name, name.toUtf8());
    writeFile(QStringLiteral("site/under/d.html"), "d");

    // Without a record every file has changed, and no record is made.
    EXPECT_EQ(changedSinceLastPublished(databasePath(), site, names), QSet<QString>(names.cbegin(), names.cend()));
    EXPECT_FALSE(QFile::exists(databasePath()));

    PublishRecord record(databasePath());
    ASSERT_TRUE(record.open()) << record.errorText().toStdString();
    ASSERT_TRUE(record.recordUploaded(Site, QString(), filesBelow(site)));
    // a.html changes and goes to the other site only; the first site's older record does not count.
    writeFile(QStringLiteral("site/a.html"), "A2");
    shiftTime(QStringLiteral("site/a.html"), 60);
    ASSERT_TRUE(record.recordUploaded(OtherSite, QString(), {path(QStringLiteral("site/a.html"))}));
    // b.html gets another content of the same size; c.html only another time.
    writeFile(QStringLiteral("site/b.html"), "B.HTML");
    shiftTime(QStringLiteral("site/b.html"), 120);
    shiftTime(QStringLiteral("site/c.html"), 120);
    writeFile(QStringLiteral("site/ny.html"), "ny");

    QStringList latest = record.latestFilesIn(site).value().keys();
    latest.sort();
    EXPECT_EQ(latest, paths({QStringLiteral("site/a.html"), QStringLiteral("site/b.html"), QStringLiteral("site/c.html")}))
        << "the subfolder's file is not in the folder";
    EXPECT_EQ(changedSinceLastPublished(databasePath(), site + QLatin1Char('/'), names + QStringList{QStringLiteral("ny.html")}),
              (QSet<QString>{QStringLiteral("b.html"), QStringLiteral("ny.html")}));
}

TEST_F(PublishRecordTest, MissingFilesAreNeverChangedAndUnreadableOnesAlwaysAre)
{
    writeFile(QStringLiteral("site/a.html"), "a");
    PublishRecord record(databasePath());
    ASSERT_TRUE(record.open());
    ASSERT_TRUE(record.recordUploaded(Site, QString(), {path(QStringLiteral("site/a.html"))}));
    const QHash<QString, RecordedFile> recorded = record.siteFiles(Site).value();
    EXPECT_EQ(recorded.value(path(QStringLiteral("site/a.html"))).sha256.size(), 32);

    const ChangeCheck check = checkFiles(recorded, paths({QStringLiteral("site/gone.html"), QStringLiteral("site")}));
    EXPECT_TRUE(check.changed.isEmpty());
    EXPECT_TRUE(check.touched.isEmpty());

    // A record whose hash cannot match (as when the file could not be read at
    // the check) leaves the file changed, never quietly unchanged.
    QHash<QString, RecordedFile> damaged = recorded;
    damaged[path(QStringLiteral("site/a.html"))].state.modified -= 1;
    damaged[path(QStringLiteral("site/a.html"))].sha256 = QByteArray(32, '\0');
    EXPECT_EQ(checkFiles(damaged, paths({QStringLiteral("site/a.html")})).changed, paths({QStringLiteral("site/a.html")}));
}

TEST_F(PublishRecordTest, AFileEditedDuringItsUploadStaysChanged)
{
    writeFile(QStringLiteral("site/a.html"), "<p>sendt</p>");
    const std::optional<UploadedFile> sent = captureFile(path(QStringLiteral("site/./a.html")));
    ASSERT_TRUE(sent.has_value());
    EXPECT_EQ(sent->path, path(QStringLiteral("site/a.html")));
    writeFile(QStringLiteral("site/a.html"), "<p>rettet</p>");
    shiftTime(QStringLiteral("site/a.html"), 1);
    PublishRecord record(databasePath());
    ASSERT_TRUE(record.open());
    ASSERT_TRUE(record.record(Site, {*sent}));
    EXPECT_EQ(changed(record, Site), paths({QStringLiteral("site/a.html")}));
}

TEST_F(PublishRecordTest, RecordsFollowAMovedFileAndFolderForEverySite)
{
    for (const char *name : {"site/a.html", "site/old/b.html", "site/old/deep/c.html", "site/old2/d.html", "site/new/stale.html"})
        writeFile(QString::fromUtf8(name), name);
    PublishRecord record(databasePath());
    ASSERT_TRUE(record.open());
    const QStringList all = filesBelow(path(QStringLiteral("site")));
    ASSERT_TRUE(record.recordUploaded(Site, QString(), all));
    ASSERT_TRUE(record.recordUploaded(OtherSite, QString(), all));

    ASSERT_TRUE(QDir().rename(path(QStringLiteral("site/a.html")), path(QStringLiteral("site/å.html"))));
    ASSERT_TRUE(record.moveFile(path(QStringLiteral("site/a.html")), path(QStringLiteral("site/å.html"))));
    // The program moves "old" over a folder "new" whose file was published before.
    ASSERT_TRUE(QDir(path(QStringLiteral("site/new"))).removeRecursively());
    ASSERT_TRUE(QDir().rename(path(QStringLiteral("site/old")), path(QStringLiteral("site/new"))));
    ASSERT_TRUE(record.moveFolder(path(QStringLiteral("site/old")), path(QStringLiteral("site/new/"))));

    for (const QString &site : {Site, OtherSite}) {
        EXPECT_EQ(changed(record, site), QStringList());
        QStringList kept = record.siteFiles(site).value().keys();
        kept.sort();
        EXPECT_EQ(kept,
                  paths({QStringLiteral("site/new/b.html"), QStringLiteral("site/new/deep/c.html"),
                         QStringLiteral("site/old2/d.html"), QStringLiteral("site/å.html")}));
    }
}

TEST_F(PublishRecordTest, ATitleNamesTheSiteLastRecordedUnderIt)
{
    writeFile(QStringLiteral("site/a.html"), "a");
    PublishRecord record(databasePath());
    ASSERT_TRUE(record.open());
    EXPECT_EQ(record.siteForTitle(QStringLiteral("Min side")), std::nullopt);
    EXPECT_TRUE(record.errorText().isEmpty());
    ASSERT_TRUE(record.recordUploaded(Site, QStringLiteral("Min side"), {}));
    EXPECT_EQ(record.siteForTitle(QStringLiteral("MIN SIDE")), Site);
    ASSERT_TRUE(record.recordUploaded(OtherSite, QStringLiteral("Min side"), {}));
    EXPECT_EQ(record.siteForTitle(QStringLiteral("Min side")), OtherSite);
}

TEST_F(PublishRecordTest, ADamagedOrNewerDatabaseIsToldAndLeftAsItIs)
{
    const QByteArray garbage(8192, 'x');
    writeFile(QStringLiteral("data/publish-record.sqlite"), garbage);
    {
        PublishRecord record(databasePath());
        EXPECT_FALSE(record.open());
        EXPECT_TRUE(record.errorText().contains(QStringLiteral("er beskadiget"))) << record.errorText().toStdString();
    }
    QFile file(databasePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);
    file.close();

    ASSERT_TRUE(QFile::remove(databasePath()));
    {
        PublishRecord record(databasePath());
        ASSERT_TRUE(record.open());
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
        db.setDatabaseName(databasePath());
        ASSERT_TRUE(db.open());
        ASSERT_TRUE(QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 7")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("newer"));
    PublishRecord record(databasePath());
    EXPECT_FALSE(record.open());
    EXPECT_TRUE(record.errorText().contains(QStringLiteral("nyere udgave"))) << record.errorText().toStdString();
}

TEST_F(PublishRecordTest, AWriteWhileAnotherProgramWritesIsToldAsBusy)
{
    writeFile(QStringLiteral("site/a.html"), "a");
    PublishRecord record(databasePath());
    ASSERT_TRUE(record.open());
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        other.setDatabaseName(databasePath());
        ASSERT_TRUE(other.open());
        QSqlQuery hold(other);
        ASSERT_TRUE(hold.exec(QStringLiteral("BEGIN IMMEDIATE")));
        // Reading goes on beside the writer; writing waits, then gives up.
        EXPECT_TRUE(record.siteFiles(Site).has_value());
        EXPECT_FALSE(record.recordUploaded(Site, QString(), {path(QStringLiteral("site/a.html"))}));
        EXPECT_TRUE(record.errorText().contains(QStringLiteral("optaget af et andet program")))
            << record.errorText().toStdString();
        ASSERT_TRUE(hold.exec(QStringLiteral("ROLLBACK")));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    EXPECT_TRUE(record.recordUploaded(Site, QString(), {path(QStringLiteral("site/a.html"))}));
    EXPECT_EQ(record.siteFiles(Site).value().size(), 1);
}

TEST_F(PublishRecordTest, RecordsOnSeveralThreadsKeepTheirOwnConnections)
{
    writeFile(QStringLiteral("site/a.html"), "a");
    PublishRecord here(databasePath());
    ASSERT_TRUE(here.open());
    bool recordedThere = false;
    QThread *thread = QThread::create([&] {
        PublishRecord there(databasePath());
        recordedThere = there.open() && there.recordUploaded(Site, QString(), {path(QStringLiteral("site/a.html"))});
    });
    thread->start();
    ASSERT_TRUE(thread->wait(30000));
    delete thread;
    EXPECT_TRUE(recordedThere);
    EXPECT_EQ(changed(here, Site), QStringList());
}

TEST_F(PublishRecordTest, TwoConnectionsCreatingTheDatabaseAtOnceBothOpenIt)
{
    // The page's background check and a command of the window open a new
    // record at the same moment; the race is short, so it is run often.
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        const QString database = path(QStringLiteral("race%1/publish-record.sqlite").arg(round));
        QString errorThere;
        QThread *thread = QThread::create([&] {
            PublishRecord there(database);
            if (!there.open())
                errorThere = there.errorText();
        });
        thread->start();
        PublishRecord here(database);
        EXPECT_TRUE(here.open()) << here.errorText().toStdString();
        ASSERT_TRUE(thread->wait(30000));
        delete thread;
        EXPECT_EQ(errorThere, QString());
    }
}

} // namespace
