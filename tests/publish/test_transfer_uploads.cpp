// Upload runs against real servers: the order of the work, the events a
// progress window shows, the publish record kept file by file, and what is
// left on the server and in the record when a run fails or ends early.
#include "FtpTestClient.h"
#include "ScriptTestServer.h"

#include "projects/ChangedFiles.h"
#include "projects/PublishRecord.h"
#include "publish/UploadRun.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QTimer>

#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace {

// A site folder on this machine with the files named, each of its own content.
QStringList makeSite(const QString &root, const QStringList &relativePaths, int size = 300)
{
    int seed = 0;
    for (const QString &relative : relativePaths) {
        ++seed;
        writeFile(QDir(root).filePath(relative), sampleBytes(size + seed, seed));
    }
    return relativePaths;
}

// Every file below the folder with its content, temporaries included.
QMap<QString, QByteArray> treeOf(const QString &root)
{
    QMap<QString, QByteArray> tree;
    QDirIterator walk(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QString file = walk.next();
        tree.insert(QDir(root).relativeFilePath(file), readFile(file));
    }
    return tree;
}

// What a run told, one line per event.
struct EventLog
{
    explicit EventLog(TransferRun &run)
    {
        QObject::connect(
            &run, &TransferRun::fileStarted, [this](const QString &name, qint64 size, bool sending, int number, int count) {
                lines.append(QStringLiteral("start %1 %2 %3 %4/%5").arg(name).arg(size).arg(sending).arg(number).arg(count));
            });
        QObject::connect(&run, &TransferRun::fileFinished, [this](const QString &name) { lines.append(u"done " + name); });
        QObject::connect(&run, &TransferRun::fileFailed, [this](const QString &name, const QString &reason) {
            lines.append(u"failed " + name + u": " + reason);
        });
        QObject::connect(&run, &TransferRun::problem, [this](const QString &text) { lines.append(u"problem " + text); });
    }
    QStringList lines;
};

class UploadRuns : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(record.open()) << record.errorText().toStdString(); }

    void connectTo(const FtpTestServer &server)
    {
        aimAt(ftp, server);
        ftp.setPassive(true);
        ASSERT_TRUE(ftp.Connect());
    }

    QString site(const FtpTestServer &server) const { return QStringLiteral("ftp://pw@127.0.0.1:%1").arg(server.port()); }

    QStringList localPaths(const QStringList &relativePaths) const
    {
        QStringList paths;
        for (const QString &relative : relativePaths)
            paths.append(QDir::cleanPath(project.filePath(relative)));
        return paths;
    }

    QStringList changed(const FtpTestServer &server, const QStringList &relativePaths)
    {
        return changedSincePublishing(record, site(server), localPaths(relativePaths)).value_or(QStringList{QStringLiteral("?")});
    }

    QTemporaryDir project;
    QTemporaryDir data;
    PublishRecord record{data.filePath(QStringLiteral("record.sqlite"))};
    TSimpleFTP ftp;
};

TEST_F(UploadRuns, AProjectArrivesInItsFoldersAndEachFileIsRecordedAsItArrives)
{
    FtpTestServer server({.journal = true});
    ASSERT_TRUE(server.started());
    connectTo(server);
    const QStringList files = makeSite(
        project.path(),
        {QStringLiteral("index.htm"), QStringLiteral("grafik/ikoner/pil.png"), QStringLiteral("grafik/logo.gif")});
    UploadRun run(ftp, PendingTransfer::ofProject(project.path(), files));
    run.recordIn(record, site(server), QStringLiteral("Min side"));
    EventLog events(run);
    QStringList recordedAtFinish;
    QObject::connect(&run, &TransferRun::fileFinished, [&](const QString &name) {
        const auto recorded = record.siteFiles(site(server));
        ASSERT_TRUE(recorded);
        EXPECT_TRUE(recorded->contains(QDir::cleanPath(project.filePath(name)))) << name.toStdString();
        recordedAtFinish.append(name);
    });

    const TransferSummary summary = run.run();

    EXPECT_EQ(summary.text(), QStringLiteral("3 af 3 filer overført"));
    EXPECT_TRUE(summary.notSent.isEmpty());
    EXPECT_FALSE(summary.stopped);
    EXPECT_EQ(events.lines,
              (QStringList{QStringLiteral("start index.htm 301 1 1/3"), QStringLiteral("done index.htm"),
                           QStringLiteral("start grafik/ikoner/pil.png 302 1 2/3"), QStringLiteral("done grafik/ikoner/pil.png"),
                           QStringLiteral("start grafik/logo.gif 303 1 3/3"), QStringLiteral("done grafik/logo.gif")}));
    EXPECT_EQ(recordedAtFinish, files);
    EXPECT_EQ(treeOf(server.root()), treeOf(project.path()));
    EXPECT_EQ(changed(server, files), QStringList());
    EXPECT_EQ(record.siteForTitle(QStringLiteral("min side")), site(server));

    // Folders first, then one upload per file in the order given.
    QStringList order;
    for (const QString &line : server.journal()) {
        if (line.startsWith(QLatin1String("CMD MKD")) || line.startsWith(QLatin1String("CMD RNTO")))
            order.append(line);
    }
    EXPECT_EQ(order,
              (QStringList{QStringLiteral("CMD MKD grafik"), QStringLiteral("CMD MKD grafik/ikoner"),
                           QStringLiteral("CMD RNTO /index.htm"), QStringLiteral("CMD RNTO /grafik/ikoner/pil.png"),
                           QStringLiteral("CMD RNTO /grafik/logo.gif")}));
}

// A file costs its data connection, its transfer and its rename on the
// session that is open: no new login, no folder change, no further request;
// the transfer type is set once.
TEST_F(UploadRuns, EachFileCostsOnlyItsTransferAndItsRename)
{
    FtpTestServer server({.journal = true});
    ASSERT_TRUE(server.started());
    connectTo(server);
    const QStringList files = makeSite(project.path(), {QStringLiteral("a.htm"), QStringLiteral("b.htm")});
    QDir().mkpath(server.rootPath(QStringLiteral("mappe")));
    const QStringList inFolder = makeSite(project.path(), {QStringLiteral("mappe/c.htm")});
    const qsizetype before = server.journal().size();
    UploadRun run(ftp, PendingTransfer::ofProject(project.path(), files + inFolder));
    run.recordIn(record, site(server), QString());

    ASSERT_EQ(run.run().done, 3);

    // The temporary names are random: their folder and the name they carry are not.
    static const QRegularExpression temporary(QStringLiteral(R"(/\.~([^/]+)\.[0-9a-f]+\.part$)"));
    QStringList commands;
    for (QString line : server.journal().mid(before)) {
        if (commands.isEmpty() && !line.startsWith(QLatin1String("CMD PASV")))
            continue; // the folder check before the files
        commands.append(line.replace(temporary, QStringLiteral("/.~\\1")).trimmed());
    }
    EXPECT_EQ(
        commands,
        (QStringList{QStringLiteral("CMD PASV"), QStringLiteral("CMD TYPE I"), QStringLiteral("CMD STOR /.~a.htm"),
                     QStringLiteral("CMD RNFR /.~a.htm"), QStringLiteral("CMD RNTO /a.htm"), QStringLiteral("CMD PASV"),
                     QStringLiteral("CMD STOR /.~b.htm"), QStringLiteral("CMD RNFR /.~b.htm"), QStringLiteral("CMD RNTO /b.htm"),
                     QStringLiteral("CMD PASV"), QStringLiteral("CMD STOR /mappe/.~c.htm"),
                     QStringLiteral("CMD RNFR /mappe/.~c.htm"), QStringLiteral("CMD RNTO /mappe/c.htm")}));
}

TEST_F(UploadRuns, FailuresAreToldWithTheirReasonTheRunGoesOnAndFailedFilesStayChanged)
{
    FtpTestServer server;
    ASSERT_TRUE(server.started());
    connectTo(server);
    // A file on the server where a folder should be made.
    writeFile(server.rootPath(QStringLiteral("blokeret")), "a file");
    const QStringList files = {QStringLiteral("a.htm"), QStringLiteral("mangler.htm"), QStringLiteral("blokeret/b.htm"),
                               QStringLiteral("c.htm")};
    makeSite(project.path(), {QStringLiteral("a.htm"), QStringLiteral("blokeret/b.htm"), QStringLiteral("c.htm")});
    UploadRun run(ftp, PendingTransfer::ofProject(project.path(), files));
    run.recordIn(record, site(server), QString());
    EventLog events(run);

    const TransferSummary summary = run.run();

    EXPECT_EQ(summary.text(), QStringLiteral("2 af 4 filer overført"));
    EXPECT_EQ(summary.notSent, (QStringList{QStringLiteral("mangler.htm"), QStringLiteral("blokeret/b.htm")}));
    EXPECT_FALSE(summary.stopped);
    EXPECT_TRUE(events.lines.contains(QStringLiteral("problem Fejl under oprettelse af mappen blokeret")))
        << events.lines.join(u'\n').toStdString();
    EXPECT_TRUE(events.lines.contains(
        QStringLiteral("failed mangler.htm: Fejl under overførsel af %1 til mangler.htm: Lokal fil ikke fundet")
            .arg(QDir::cleanPath(project.filePath(QStringLiteral("mangler.htm"))))));
    EXPECT_TRUE(events.lines.contains(QStringLiteral("failed blokeret/b.htm: Fejl under overførsel af %1 til blokeret/b.htm")
                                          .arg(QDir::cleanPath(project.filePath(QStringLiteral("blokeret/b.htm"))))));
    EXPECT_TRUE(events.lines.endsWith(QStringLiteral("done c.htm")));
    EXPECT_EQ(changed(server, files), QStringList{QDir::cleanPath(project.filePath(QStringLiteral("blokeret/b.htm")))});
}

TEST_F(UploadRuns, AFileEditedDuringItsUploadArrivesButStaysChanged)
{
    FtpTestServer slow({.throttleBytesPerSecond = 128 * 1024});
    ASSERT_TRUE(slow.started());
    connectTo(slow);
    const QStringList files = makeSite(project.path(), {QStringLiteral("side.htm")}, 200 * 1024);
    UploadRun run(ftp, PendingTransfer::ofProject(project.path(), files));
    run.recordIn(record, site(slow), QString());
    bool edited = false;
    QObject::connect(&run, &TransferRun::fileProgress, [&](qint64 bytes, int) {
        if (bytes > 0 && !edited) {
            edited = true;
            QFile page(project.filePath(QStringLiteral("side.htm")));
            ASSERT_TRUE(page.open(QIODevice::ReadWrite));
            page.write("edited while it was sent");
            page.close();
            page.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
        }
    });
    EXPECT_EQ(run.run().done, 1);
    ASSERT_TRUE(edited);
    EXPECT_EQ(changed(slow, files), localPaths(files));
}

TEST_F(UploadRuns, AServerThatRefusesRenamesGetsNoFileUnderItsNameAndKeepsItsOldOne)
{
    FtpTestServer noRename({.noRename = true});
    ASSERT_TRUE(noRename.started());
    connectTo(noRename);
    writeFile(noRename.rootPath(QStringLiteral("a.htm")), "the old page");
    const QStringList files = makeSite(project.path(), {QStringLiteral("a.htm"), QStringLiteral("b.htm")});
    UploadRun run(ftp, PendingTransfer::ofProject(project.path(), files));
    run.recordIn(record, site(noRename), QString());
    EventLog events(run);

    const TransferSummary summary = run.run();

    EXPECT_EQ(summary.done, 0);
    EXPECT_EQ(summary.notSent, files);
    EXPECT_EQ(events.lines.last(),
              QStringLiteral("failed b.htm: Fejl under overførsel af %1 til b.htm: Serveren nægtede at give filen dens navn "
                             "efter overførslen")
                  .arg(QDir::cleanPath(project.filePath(QStringLiteral("b.htm")))));
    EXPECT_EQ(treeOf(noRename.root()), (QMap<QString, QByteArray>{{QStringLiteral("a.htm"), "the old page"}}));
    EXPECT_EQ(changed(noRename, files), localPaths(files));
}

// The same project of 200 files in three folders over each kind of transport.
TEST_F(UploadRuns, TwoHundredFilesInThreeFoldersOverFtpsAndSftp)
{
    QStringList files;
    for (int i = 0; i < 200; ++i)
        files.append(QStringLiteral("%1/side%2.htm")
                         .arg(QStringList{QStringLiteral("a"), QStringLiteral("b/c"), QStringLiteral("d")}.at(i % 3))
                         .arg(i));
    makeSite(project.path(), files, 1000);
    const PendingTransfer transfer = PendingTransfer::ofProject(project.path(), files);

    {
        SCOPED_TRACE("FTPS");
        FtpTestServer server({.tls = true});
        ASSERT_TRUE(server.started());
        TSimpleFTP secure;
        aimAt(secure, server);
        secure.setPassive(true);
        secure.setProtocol(TransferProtocol::Ftps);
        secure.setTrustedCertificateFile(server.certificateFile());
        ASSERT_TRUE(secure.Connect());
        UploadRun run(secure, transfer);
        EXPECT_EQ(run.run().text(), QStringLiteral("200 af 200 filer overført"));
        EXPECT_EQ(treeOf(server.root()), treeOf(project.path()));
    }
    {
        SCOPED_TRACE("SFTP");
        QTemporaryDir remote;
        ScriptTestServer server(QStringLiteral("sftp_password_server.py"),
                                {QStringLiteral("--root"), remote.path(), QStringLiteral("--user"), QStringLiteral("pw"),
                                 QStringLiteral("--password"), QStringLiteral("kode")});
        ASSERT_TRUE(server.started());
        ScriptedPrompter prompter;
        prompter.expect(QStringLiteral("ukendt"), Prompter::Yes);
        TSimpleFTP sftp;
        aimSftpAt(sftp, server.port(), QStringLiteral("pw"), data.filePath(QStringLiteral("known_hosts")), &prompter);
        sftp.setPassword(QStringLiteral("kode"));
        ASSERT_TRUE(sftp.Connect());
        UploadRun run(sftp, transfer);
        EXPECT_EQ(run.run().text(), QStringLiteral("200 af 200 filer overført"));
        EXPECT_EQ(treeOf(remote.path()), treeOf(project.path()));
    }
}

// A run cut short, by the user or by a server that dies, at several points.
// Every file on the server is whole, the record holds exactly the files
// that arrived, the summary names the rest, and the next run sends those.
class CutShortRuns : public UploadRuns
{
protected:
    enum class Cut { UserStopsDuringSecondFile, ServerDiesBeforeFirstByte, ServerDiesDuringThirdFile, ServerDiesAfterSecondFile };

    void SetUp() override
    {
        UploadRuns::SetUp();
        for (int i = 1; i <= 5; ++i)
            files.append(QStringLiteral("mappe/fil%1.bin").arg(i));
        makeSite(project.path(), files, 96 * 1024);
    }

    void cutShort(Cut cut)
    {
        FtpTestServer server({.throttleBytesPerSecond = 512 * 1024});
        ASSERT_TRUE(server.started());
        connectTo(server);
        ftp.setConnectRetries(0);
        UploadRun run(ftp, PendingTransfer::ofProject(project.path(), files));
        run.recordIn(record, site(server), QString());
        int started = 0;
        int finished = 0;
        QObject::connect(&run, &TransferRun::fileStarted, [&] {
            if (++started == 1 && cut == Cut::ServerDiesBeforeFirstByte)
                server.kill();
        });
        QObject::connect(&run, &TransferRun::fileFinished, [&] {
            if (++finished == 2 && cut == Cut::ServerDiesAfterSecondFile)
                server.kill();
        });
        QObject::connect(&run, &TransferRun::fileProgress, [&](qint64 bytes, int) {
            if (bytes == 0 || !ftp.Connected())
                return;
            if (started == 2 && cut == Cut::UserStopsDuringSecondFile)
                ftp.Abort();
            if (started == 3 && cut == Cut::ServerDiesDuringThirdFile)
                server.kill();
        });
        const TransferSummary summary = run.run();

        EXPECT_TRUE(summary.stopped);
        QStringList arrived;
        for (const QString &file : std::as_const(files)) {
            const QString onServer = server.rootPath(file);
            if (!QFile::exists(onServer))
                continue;
            EXPECT_EQ(readFile(onServer), readFile(project.filePath(file))) << file.toStdString();
            arrived.append(file);
        }
        QStringList notArrived = files;
        for (const QString &file : std::as_const(arrived))
            notArrived.removeOne(file);
        EXPECT_EQ(summary.notSent, notArrived);
        EXPECT_EQ(summary.done, arrived.size());
        EXPECT_EQ(changed(server, files), localPaths(notArrived));

        // The site as it was left, served again: the next run sends exactly the rest.
        FtpTestServer again({.journal = true});
        ASSERT_TRUE(again.started());
        for (const QString &file : std::as_const(arrived))
            writeFile(again.rootPath(file), readFile(server.rootPath(file)));
        TSimpleFTP next;
        aimAt(next, again);
        ASSERT_TRUE(next.Connect());
        // The record is kept by the site's address, which the new port changes.
        const QStringList rest = changedSincePublishing(record, site(server), localPaths(files)).value_or(QStringList());
        QStringList restNames;
        for (const QString &path : rest)
            restNames.append(QDir(project.path()).relativeFilePath(path));
        EXPECT_EQ(restNames, notArrived);
        UploadRun nextRun(next, PendingTransfer::ofProject(project.path(), restNames));
        EXPECT_EQ(nextRun.run().done, restNames.size());
        QStringList stored;
        for (const QString &line : again.journal()) {
            if (line.startsWith(QLatin1String("CMD RNTO ")))
                stored.append(line.mid(10));
        }
        EXPECT_EQ(stored, restNames);
        for (const QString &file : std::as_const(files))
            EXPECT_EQ(readFile(again.rootPath(file)), readFile(project.filePath(file))) << file.toStdString();
    }

    QStringList files;
};

TEST_F(CutShortRuns, TheUserStopsDuringTheSecondFile)
{
    cutShort(Cut::UserStopsDuringSecondFile);
}

TEST_F(CutShortRuns, TheServerDiesBeforeTheFirstByte)
{
    cutShort(Cut::ServerDiesBeforeFirstByte);
}

TEST_F(CutShortRuns, TheServerDiesDuringTheThirdFile)
{
    cutShort(Cut::ServerDiesDuringThirdFile);
}

TEST_F(CutShortRuns, TheServerDiesBetweenTwoFiles)
{
    cutShort(Cut::ServerDiesAfterSecondFile);
}

} // namespace
