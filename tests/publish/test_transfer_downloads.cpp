// Download runs against a real server: files land whole in the chosen
// folder, names the server makes up never leave it, and a download that
// breaks off leaves the older local copy as it was.
#include "FtpTestClient.h"

#include "publish/DownloadRun.h"

#include <gtest/gtest.h>

namespace {

QList<TFindData> listing(TSimpleFTP &ftp)
{
    TFindList entries;
    ftp.FindFiles(QString(), &entries);
    QList<TFindData> found;
    for (const TFindListEntry &entry : std::as_const(entries))
        found.append(entry.data);
    std::sort(found.begin(), found.end(), [](const TFindData &a, const TFindData &b) { return a.name < b.name; });
    return found;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

TEST(DownloadRuns, SelectedFilesLandInTheFolderAndUnsafeNamesAreRefused)
{
    FtpTestServer server;
    ASSERT_TRUE(server.started());
    writeFile(server.rootPath(QStringLiteral("a.htm")), "new a");
    writeFile(server.rootPath(QStringLiteral("b.bin")), sampleBytes(300000));
    writeFile(server.rootPath(QStringLiteral("back\\slash.htm")), "x");
    QDir(server.root()).mkdir(QStringLiteral("mappe"));
    QTemporaryDir local;
    writeFile(local.filePath(QStringLiteral("a.htm")), "old a");
    TSimpleFTP ftp;
    aimAt(ftp, server);
    ASSERT_TRUE(ftp.Connect());
    const QList<TFindData> entries = listing(ftp);
    ASSERT_EQ(entries.size(), 4);

    EXPECT_EQ(existingTargets(entries, local.path()), QStringList{QStringLiteral("a.htm")});

    DownloadRun run(ftp, entries, local.path());
    QStringList events;
    QObject::connect(&run, &TransferRun::fileStarted, [&](const QString &name, qint64 size, bool sending, int number, int count) {
        events.append(QStringLiteral("start %1 %2 %3 %4/%5").arg(name).arg(size).arg(sending).arg(number).arg(count));
    });
    QObject::connect(&run, &TransferRun::fileFailed,
                     [&](const QString &name, const QString &reason) { events.append(name + u": " + reason); });
    const TransferSummary summary = run.run();

    EXPECT_EQ(summary.text(), QStringLiteral("2 af 3 filer overført"));
    EXPECT_EQ(summary.notSent, QStringList{QStringLiteral("back\\slash.htm")});
    EXPECT_EQ(events,
              (QStringList{QStringLiteral("start a.htm 5 0 1/3"), QStringLiteral("start b.bin 300000 0 2/3"),
                           QStringLiteral("start back\\slash.htm 1 0 3/3"),
                           QStringLiteral("back\\slash.htm: Navnet back\\slash.htm kan ikke bruges som navn på en lokal fil")}));
    EXPECT_EQ(readFile(local.filePath(QStringLiteral("a.htm"))), QByteArray("new a"));
    EXPECT_EQ(readFile(local.filePath(QStringLiteral("b.bin"))), sampleBytes(300000));
    EXPECT_EQ(filesIn(local.path()), (QStringList{QStringLiteral("a.htm"), QStringLiteral("b.bin")}));
}

TEST(DownloadRuns, AStoppedDownloadKeepsTheOldCopyAndTheRestIsNotFetched)
{
    FtpTestServer slow({.throttleBytesPerSecond = 128 * 1024});
    ASSERT_TRUE(slow.started());
    writeFile(slow.rootPath(QStringLiteral("a.bin")), sampleBytes(400000, 1));
    writeFile(slow.rootPath(QStringLiteral("b.bin")), sampleBytes(1000, 2));
    QTemporaryDir local;
    writeFile(local.filePath(QStringLiteral("a.bin")), "the old copy");
    TSimpleFTP ftp;
    aimAt(ftp, slow);
    ftp.setPassive(true);
    ASSERT_TRUE(ftp.Connect());

    DownloadRun run(ftp, listing(ftp), local.path());
    QObject::connect(&run, &TransferRun::fileProgress, [&](qint64 bytes, int) {
        if (bytes > 0 && ftp.Connected())
            ftp.Abort();
    });
    QStringList failed;
    QObject::connect(&run, &TransferRun::fileFailed, [&](const QString &name, const QString &) { failed.append(name); });
    const TransferSummary summary = run.run();

    EXPECT_TRUE(summary.stopped);
    EXPECT_EQ(summary.text(), QStringLiteral("0 af 2 filer overført"));
    EXPECT_EQ(summary.notSent, (QStringList{QStringLiteral("a.bin"), QStringLiteral("b.bin")}));
    EXPECT_EQ(failed, QStringList{QStringLiteral("a.bin")});
    EXPECT_EQ(readFile(local.filePath(QStringLiteral("a.bin"))), QByteArray("the old copy"));
    EXPECT_EQ(filesIn(local.path()), QStringList{QStringLiteral("a.bin")});
}

} // namespace
