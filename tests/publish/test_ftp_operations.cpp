#include "FtpTestClient.h"

#include "publish/TSimpleFTP.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class FtpOperations : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.started());
        aimAt(ftp, server);
    }

    void connect()
    {
        ASSERT_TRUE(ftp.Connect());
        ASSERT_TRUE(ftp.Connected());
    }

    QString serverFile(const QString &relative) { return server.rootPath(relative); }

    FtpTestServer server;
    TSimpleFTP ftp;
    QTemporaryDir local;
};

TEST_F(FtpOperations, ConnectRunsLoginStatesStartFolderAndEventsInOrder)
{
    QDir(server.root()).mkpath(QStringLiteral("site"));
    QStringList events;
    ftp.setPassword(QStringLiteral("wrong"));
    QObject::connect(&ftp, &TSimpleFTP::OnLogin, [&](QString &user, QString &password) {
        events << QStringLiteral("login ") + user;
        password = FtpTestServer::Password; // the handler may change what is sent
    });
    QObject::connect(&ftp, &TSimpleFTP::OnStateChange, [&](TWinInetState state) { events << ftp.StateText(state); });
    QObject::connect(&ftp, &TSimpleFTP::OnDirectoryChange, [&] { events << QStringLiteral("folder"); });
    QObject::connect(&ftp, &TSimpleFTP::OnConnected, [&] { events << QStringLiteral("connected"); });
    QObject::connect(&ftp, &TSimpleFTP::OnDisconnected, [&] { events << QStringLiteral("disconnected"); });

    EXPECT_EQ(ftp.State(), fsNoconnection);
    ftp.setRemoteDir(QStringLiteral("/site/")); // kept for the connect
    connect();
    EXPECT_EQ(ftp.RemoteDir(), QStringLiteral("/site"));
    EXPECT_TRUE(ftp.ConnectResponse().startsWith(QStringLiteral("230"))) << ftp.ConnectResponse().toStdString();
    EXPECT_TRUE(ftp.Connect()); // already connected: nothing happens
    EXPECT_TRUE(ftp.Disconnect());

    const QStringList expected = {
        QStringLiteral("login pw"),
        QStringLiteral("Leder efter 127.0.0.1"),
        QStringLiteral("127.0.0.1 fundet"),
        QStringLiteral("Etablerer forbindelse til 127.0.0.1"),
        QStringLiteral("Forbundet til 127.0.0.1"),
        QStringLiteral("folder"),
        QStringLiteral("connected"),
        QStringLiteral("Afbryder forbindelsen til 127.0.0.1"),
        QStringLiteral("Ikke forbundet"),
        QStringLiteral("disconnected"),
    };
    EXPECT_EQ(events, expected);
    EXPECT_EQ(ftp.State(), fsNoconnection);

    // A new connect after a disconnect opens a new session.
    connect();
    EXPECT_EQ(ftp.RemoteDir(), QStringLiteral("/site"));
    EXPECT_EQ(server.logins(), 2);

    // A folder entered by a relative path is kept as the server names it,
    // so the next connect enters the same folder.
    QDir(server.root()).mkpath(QStringLiteral("site/sub"));
    ASSERT_TRUE(ftp.ChangeDir(QStringLiteral("sub")));
    EXPECT_EQ(ftp.RemoteDir(), QStringLiteral("/site/sub"));
    ftp.Disconnect();
    connect();
    EXPECT_EQ(ftp.RemoteDir(), QStringLiteral("/site/sub"));
}

TEST_F(FtpOperations, EveryOperationWorksOnOneLoginWithUtf8AndSpaces)
{
    ftp.setSilentExceptions(false);
    QDir(server.root()).mkpath(QStringLiteral("a"));
    connect();
    EXPECT_EQ(ftp.RemoteDir(), QStringLiteral("/"));

    // Folders.
    EXPECT_TRUE(ftp.CreateDir(QStringLiteral("/Sider på dansk/")));
    EXPECT_TRUE(QFileInfo(serverFile(QStringLiteral("Sider på dansk"))).isDir());
    EXPECT_TRUE(ftp.ForceDirectories(QStringLiteral("a/b/c")));
    EXPECT_TRUE(QFileInfo(serverFile(QStringLiteral("a/b/c"))).isDir());
    EXPECT_TRUE(ftp.ForceDirectories(QStringLiteral("a/b/c"))); // already there: nothing to make
    EXPECT_TRUE(ftp.DirExists(QStringLiteral("a/b")));
    EXPECT_FALSE(ftp.DirExists(QStringLiteral("a/x")));
    EXPECT_EQ(ftp.RemoteDir(), QStringLiteral("/")); // DirExists comes back
    EXPECT_TRUE(ftp.ChangeDir(QStringLiteral("/Sider på dansk/")));
    EXPECT_EQ(ftp.RemoteDir(), QStringLiteral("/Sider på dansk"));

    // Upload, relative to the current folder, with progress.
    const QByteArray content = sampleBytes(200000);
    const QString localName = writeFile(local.filePath(QStringLiteral("forside æøå.htm")), content);
    QList<TFTPProgressInfo> progress;
    QObject::connect(&ftp, &TSimpleFTP::OnTransferProgress, [&](const TFTPProgressInfo &info) { progress << info; });
    EXPECT_TRUE(ftp.PutFile(localName, QStringLiteral("Forside æøå.htm")));
    EXPECT_EQ(readFile(serverFile(QStringLiteral("Sider på dansk/Forside æøå.htm"))), content);
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.last().BytesTransferred, content.size());
    EXPECT_EQ(progress.last().FileSize, content.size());
    EXPECT_EQ(progress.last().FileName, QStringLiteral("forside æøå.htm"));
    for (int i = 1; i < progress.size(); ++i)
        EXPECT_LE(progress[i - 1].BytesTransferred, progress[i].BytesTransferred);
    // Replacing a file goes through the temporary name as well.
    EXPECT_TRUE(ftp.PutFile(writeFile(local.filePath(QStringLiteral("two.txt")), "second"),
                            QStringLiteral("/Sider på dansk/Forside æøå.htm")));
    EXPECT_EQ(readFile(serverFile(QStringLiteral("Sider på dansk/Forside æøå.htm"))), QByteArray("second"));
    EXPECT_TRUE(leftoverTemporaries(serverFile(QStringLiteral("Sider på dansk"))).isEmpty());

    // Listing: name, folder flag, size and time.
    QDir(serverFile(QStringLiteral("Sider på dansk"))).mkdir(QStringLiteral("billeder"));
    QList<TFindData> listed;
    QObject::connect(&ftp, &TSimpleFTP::OnFindItem, [&](const TFindData &entry) { listed << entry; });
    EXPECT_EQ(ftp.List(), 2);
    ASSERT_EQ(listed.size(), 2);
    std::sort(listed.begin(), listed.end(), [](auto &a, auto &b) { return a.name < b.name; });
    EXPECT_EQ(listed[0].name, QStringLiteral("Forside æøå.htm"));
    EXPECT_FALSE(listed[0].isFolder());
    EXPECT_EQ(listed[0].size(), 6);
    const QDateTime written = QFileInfo(serverFile(QStringLiteral("Sider på dansk/Forside æøå.htm"))).lastModified();
    EXPECT_LE(std::abs(listed[0].lastWrite().secsTo(written)), 61);
    EXPECT_EQ(listed[1].name, QStringLiteral("billeder"));
    EXPECT_TRUE(listed[1].isFolder());

    TFindList found;
    EXPECT_EQ(ftp.FindFiles(QStringLiteral("*.htm"), &found, true), 1);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].name, QStringLiteral("/Sider på dansk/Forside æøå.htm"));
    EXPECT_EQ(ftp.FindFiles(QStringLiteral("/a/*"), &found), 1);
    EXPECT_EQ(found.value(0).name, QStringLiteral("b"));
    EXPECT_EQ(listed.size(), 2); // a list of the caller's own raises no events

    // A file is looked for in the folder its path names, the name without regard to case.
    TFindData entry;
    EXPECT_TRUE(ftp.FindRemoteFile(QStringLiteral("FORSIDE ÆØÅ.HTM"), &entry));
    EXPECT_EQ(entry.size(), 6);
    EXPECT_TRUE(ftp.FindRemoteFile(QStringLiteral("/Sider på dansk/forside æøå.htm")));
    EXPECT_TRUE(ftp.FindRemoteFile(QStringLiteral("../a/b"), &entry));
    EXPECT_TRUE(entry.isFolder());
    EXPECT_FALSE(ftp.FindRemoteFile(QStringLiteral("/anywhere/Forside æøå.htm")));
    EXPECT_FALSE(ftp.FindRemoteFile(QStringLiteral("missing.htm")));

    // Download, rename, delete.
    const QString downloaded = local.filePath(QStringLiteral("hentet.htm"));
    EXPECT_TRUE(ftp.GetFile(QStringLiteral("Forside æøå.htm"), downloaded));
    EXPECT_EQ(readFile(downloaded), QByteArray("second"));
    EXPECT_TRUE(ftp.RenameFile(QStringLiteral("Forside æøå.htm"), QStringLiteral("/a/flyttet.htm")));
    EXPECT_TRUE(QFile::exists(serverFile(QStringLiteral("a/flyttet.htm"))));
    EXPECT_TRUE(ftp.DeleteFile(QStringLiteral("/a/flyttet.htm")));
    EXPECT_FALSE(QFile::exists(serverFile(QStringLiteral("a/flyttet.htm"))));
    writeFile(serverFile(QStringLiteral("Sider på dansk/index.htm")), "x");
    EXPECT_TRUE(ftp.DeleteFile(QStringLiteral("index.htm"))); // in the current folder
    EXPECT_FALSE(QFile::exists(serverFile(QStringLiteral("Sider på dansk/index.htm"))));
    EXPECT_TRUE(ftp.RemoveDir(QStringLiteral("/a/b/c/")));
    EXPECT_FALSE(QFileInfo::exists(serverFile(QStringLiteral("a/b/c"))));

    EXPECT_EQ(server.logins(), 1);
}

TEST_F(FtpOperations, FailedOperationsGiveTheirTextsAndKeepTheConnection)
{
    writeFile(serverFile(QStringLiteral("exists.htm")), "x");
    connect();
    const QString missingLocal = local.filePath(QStringLiteral("missing.htm"));
    const QString present = writeFile(local.filePath(QStringLiteral("present.htm")), "x");
    struct Case
    {
        std::function<bool()> operation;
        QString text;
    };
    const QList<Case> cases = {
        {[&] { return ftp.ChangeDir(QStringLiteral("/nowhere/")); }, QStringLiteral("Kunne ikke skifte til mappen /nowhere/")},
        {[&] { return ftp.PutFile(missingLocal, QStringLiteral("a.htm")); },
         QStringLiteral("Fejl under overførsel af %1 til a.htm: Lokal fil ikke fundet").arg(missingLocal)},
        {[&] { return ftp.PutFile(present, QStringLiteral("/nowhere/a.htm")); },
         QStringLiteral("Fejl under overførsel af %1 til /nowhere/a.htm").arg(present)},
        {[&] { return ftp.GetFile(QStringLiteral("missing.htm"), missingLocal); },
         QStringLiteral("Fejl under hentning af missing.htm til %1: Fil på server ikke fundet").arg(missingLocal)},
        {[&] { return ftp.GetFile(QStringLiteral("exists.htm"), local.filePath(QStringLiteral("no/such/folder.htm"))); },
         QStringLiteral("Fejl under hentning af exists.htm fra %1").arg(local.filePath(QStringLiteral("no/such/folder.htm")))},
        {[&] { return ftp.DeleteFile(QStringLiteral("missing.htm")); }, QStringLiteral("Fejl under sletning af /missing.htm")},
        {[&] { return ftp.RemoveDir(QStringLiteral("/nowhere/")); },
         QStringLiteral("Fejl under forsøg på at slette mappen /nowhere/")},
        {[&] { return ftp.CreateDir(QStringLiteral("exists.htm")); },
         QStringLiteral("Fejl under oprettelse af mappen exists.htm")},
        {[&] { return ftp.RenameFile(QStringLiteral("missing.htm"), QStringLiteral("b.htm")); },
         QStringLiteral("Fejl under omdøbning af missing.htm til b.htm")},
    };
    for (const Case &c : cases) {
        ftp.setSilentExceptions(true);
        EXPECT_FALSE(c.operation()) << c.text.toStdString();
        ftp.setSilentExceptions(false);
        try {
            c.operation();
            ADD_FAILURE() << "no exception: " << c.text.toStdString();
        } catch (const ESimpleFTPError &error) {
            EXPECT_EQ(error.message(), c.text);
        }
        EXPECT_TRUE(ftp.Connected()) << c.text.toStdString();
    }
    EXPECT_FALSE(QFile::exists(local.filePath(QStringLiteral("missing.htm"))));
    EXPECT_TRUE(leftoverTemporaries(server.root()).isEmpty());
    EXPECT_EQ(server.logins(), 1);

    // A failed folder change is no error with an unknown file system.
    ftp.Disconnect();
    ftp.setFileSystemType(ftUnknown);
    connect();
    EXPECT_FALSE(ftp.ChangeDir(QStringLiteral("/nowhere")));
    // The file system stays while connected.
    EXPECT_THROW(ftp.setFileSystemType(ftUnix), ESimpleFTPError);
    ftp.setSilentExceptions(true);
    ftp.setFileSystemType(ftUnix);
    EXPECT_EQ(ftp.FileSystemType(), ftUnknown);
}

TEST_F(FtpOperations, OperationsWithoutAConnectionSayNotConnected)
{
    ftp.setSilentExceptions(false);
    const QString file = writeFile(local.filePath(QStringLiteral("a.htm")), "x");
    const QList<std::pair<std::function<bool()>, QString>> cases = {
        {[&] { return ftp.PutFile(file, QStringLiteral("a.htm")); }, QStringLiteral("Ikke forbundet!")},
        {[&] { return ftp.GetFile(QStringLiteral("a.htm"), file); }, QStringLiteral("Ikke forbundet!")},
        {[&] { return ftp.RemoveDir(QStringLiteral("x")); }, QStringLiteral("Ikke forbundet!")},
        {[&] { return ftp.CreateDir(QStringLiteral("x")); }, QStringLiteral("Ikke forbundet!")},
        {[&] { return ftp.ForceDirectories(QStringLiteral("x")); }, QStringLiteral("Ikke forbundet!")},
        {[&] { return ftp.DirExists(QStringLiteral("x")); }, QStringLiteral("Ikke forbundet!")},
        {[&] { return ftp.RenameFile(QStringLiteral("x"), QStringLiteral("y")); }, QStringLiteral("Ikke forbundet!")},
        {[&] { return ftp.DeleteFile(QStringLiteral("x")); }, QStringLiteral("Ikke forbundet!")},
        {[&] { return ftp.ChangeDir(QStringLiteral("..")); }, QStringLiteral("Ikke forbundet!")},
        {[&] { return ftp.FindFiles(); }, QStringLiteral("Ikke forbundet!")},
        {[&] { return ftp.List() > 0; }, QStringLiteral("Ikke forbundet!")},
    };
    for (const auto &[operation, text] : cases) {
        try {
            operation();
            ADD_FAILURE() << "no exception: " << text.toStdString();
        } catch (const ESimpleFTPError &error) {
            EXPECT_EQ(error.message(), text);
        }
    }
    EXPECT_EQ(ftp.RemoteDir(), QString()) << "nothing remembered from a call that failed";
    EXPECT_FALSE(ftp.ForceDirectories(QString()));
    EXPECT_EQ(ftp.LastResponse(), QStringLiteral("Ingen fejlbeskrivelse tilgængelig"));
}

TEST_F(FtpOperations, ConnectFailuresReportTheirCodeAndText)
{
    FtpTestServer silent({.silent = true});
    ASSERT_TRUE(silent.started());
    struct Case
    {
        QString host;
        int port;
        QString password;
        quint16 code;
        QString text;
    };
    // A label longer than 63 characters cannot go into a name query, so the
    // unknown host is refused without any traffic leaving the machine.
    const QString unknownHost = QString(70, u'x') + QStringLiteral(".invalid");
    const QList<Case> cases = {
        {QStringLiteral("127.0.0.1"), server.port(), QStringLiteral("forkert-kode"), 12014,
         QStringLiteral("Forkert adgangskode til 127.0.0.1")},
        {QStringLiteral("127.0.0.1"), 1, FtpTestServer::Password, 12029, QStringLiteral("Kan ikke forbinde til 127.0.0.1")},
        {unknownHost, 21, FtpTestServer::Password, 12007,
         QStringLiteral("Kan ikke finde '%1'. Tjek, at du er forbundet til Internet").arg(unknownHost)},
        {QStringLiteral("127.0.0.1"), silent.port(), FtpTestServer::Password, 12002,
         QStringLiteral("Forbindelsen til 127.0.0.1 udløbet")},
    };
    for (const Case &c : cases) {
        TSimpleFTP client;
        client.setHostName(c.host);
        client.setPort(c.port);
        client.setUserName(FtpTestServer::User);
        client.setPassword(c.password);
        client.setConnectTimeout(1000);
        client.setConnectRetries(0);
        QList<quint16> errors;
        QObject::connect(&client, &TSimpleFTP::OnError, [&](quint16 code) { errors << code; });
        EXPECT_FALSE(client.Connect());
        EXPECT_EQ(errors, QList<quint16>{c.code}) << c.text.toStdString();
        EXPECT_EQ(client.State(), fsNoconnection);
        client.setSilentExceptions(false);
        try {
            client.Connect();
            ADD_FAILURE() << "no exception: " << c.text.toStdString();
        } catch (const EWinInetError &error) {
            EXPECT_EQ(error.message(), c.text);
            EXPECT_FALSE(error.message().contains(c.password));
        }
        EXPECT_FALSE(client.LastResponse().contains(c.password));
    }
    // The same component connects once the password is right.
    ftp.setPassword(QStringLiteral("forkert-kode"));
    EXPECT_FALSE(ftp.Connect());
    ftp.setPassword(FtpTestServer::Password);
    connect();
}

TEST_F(FtpOperations, FiveHundredOperationsUseOneLogin)
{
    QDir(server.root()).mkpath(QStringLiteral("site/sub"));
    writeFile(serverFile(QStringLiteral("site/index.htm")), "x");
    connect();
    for (int i = 0; i < 125; ++i) {
        ASSERT_TRUE(ftp.ChangeDir(QStringLiteral("/site")));
        ASSERT_EQ(ftp.List(), 2);
        ASSERT_TRUE(ftp.FindRemoteFile(QStringLiteral("index.htm")));
        ASSERT_TRUE(ftp.DirExists(QStringLiteral("sub")));
    }
    EXPECT_EQ(server.logins(), 1);
}

TEST_F(FtpOperations, ActiveAndPassiveModesAndTheListFallbackCarryTheSameData)
{
    FtpTestServer oldServer({.noMachineListing = true});
    ASSERT_TRUE(oldServer.started());
    const QByteArray content = sampleBytes(70000, 3);
    const QString source = writeFile(local.filePath(QStringLiteral("data.bin")), content);
    for (FtpTestServer *target : {&server, &oldServer}) {
        for (bool passive : {false, true}) {
            TSimpleFTP client;
            aimAt(client, *target);
            client.setPassive(passive);
            ASSERT_TRUE(client.Connect());
            ASSERT_TRUE(client.PutFile(source, QStringLiteral("fil med mellemrum.bin")));
            TFindList entries;
            ASSERT_EQ(client.FindFiles(QString(), &entries), 1);
            EXPECT_EQ(entries[0].name, QStringLiteral("fil med mellemrum.bin"));
            EXPECT_EQ(entries[0].data.size(), content.size());
            EXPECT_TRUE(entries[0].data.lastWrite().isValid());
            const QString back = local.filePath(QStringLiteral("back.bin"));
            QFile::remove(back);
            ASSERT_TRUE(client.GetFile(QStringLiteral("fil med mellemrum.bin"), back));
            EXPECT_EQ(readFile(back), content);
        }
    }
}

TEST_F(FtpOperations, FailIfExistsOnGetLeavesTheLocalFileAlone)
{
    writeFile(serverFile(QStringLiteral("page.htm")), "server");
    const QString target = writeFile(local.filePath(QStringLiteral("page.htm")), "local");
    connect();
    ftp.setSilentExceptions(false);
    ftp.setFailIfExistsOnGet(true);
    EXPECT_FALSE(ftp.GetFile(QStringLiteral("page.htm"), target));
    EXPECT_EQ(readFile(target), QByteArray("local"));
    ftp.setFailIfExistsOnGet(false);
    EXPECT_TRUE(ftp.GetFile(QStringLiteral("page.htm"), target));
    EXPECT_EQ(readFile(target), QByteArray("server"));
}

TEST_F(FtpOperations, UploadToAServerThatRefusesRenamesFailsAndLeavesItsOldFile)
{
    FtpTestServer noRename({.noRename = true});
    ASSERT_TRUE(noRename.started());
    aimAt(ftp, noRename);
    connect();
    writeFile(noRename.rootPath(QStringLiteral("a.htm")), "old page");
    const QString source = writeFile(local.filePath(QStringLiteral("a.htm")), "whole page");
    // Sent under its own name instead, a broken transfer would leave half a
    // page there.
    EXPECT_FALSE(ftp.PutFile(source, QStringLiteral("a.htm")));
    EXPECT_EQ(readFile(noRename.rootPath(QStringLiteral("a.htm"))), QByteArray("old page"));
    EXPECT_TRUE(leftoverTemporaries(noRename.root()).isEmpty());
    EXPECT_TRUE(ftp.Connected());
}

TEST_F(FtpOperations, UploadOverAFileTheServerWillNotRenameOntoReplacesIt)
{
    FtpTestServer noRenameOver({.noRenameOver = true});
    ASSERT_TRUE(noRenameOver.started());
    aimAt(ftp, noRenameOver);
    connect();
    writeFile(noRenameOver.rootPath(QStringLiteral("a.htm")), "old page");
    EXPECT_TRUE(ftp.PutFile(writeFile(local.filePath(QStringLiteral("a.htm")), "new page"), QStringLiteral("a.htm")));
    EXPECT_EQ(readFile(noRenameOver.rootPath(QStringLiteral("a.htm"))), QByteArray("new page"));
    EXPECT_EQ(QDir(noRenameOver.root()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("a.htm")});
}

TEST_F(FtpOperations, NamesFromTheServerNeverLeaveTheGivenFolder)
{
    writeFile(serverFile(QStringLiteral("back\\slash.htm")), "x");
    writeFile(serverFile(QStringLiteral("tab\tname.htm")), "x");
    writeFile(serverFile(QStringLiteral("ok.htm")), "x");
    QDir(local.path()).mkdir(QStringLiteral("target"));
    const QString folder = local.filePath(QStringLiteral("target/"));
    connect();
    TFindList entries;
    ASSERT_EQ(ftp.FindFiles(QString(), &entries), 3);
    for (const TFindListEntry &entry : entries) {
        const bool safe = entry.name == u"ok.htm";
        EXPECT_EQ(ftp.GetFile(entry.name, folder + entry.name), safe) << entry.name.toStdString();
    }
    EXPECT_FALSE(ftp.GetFile(QStringLiteral("ok.htm"), folder + QStringLiteral("../escaped.htm")));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("ok.htm")});
    EXPECT_FALSE(QFile::exists(local.filePath(QStringLiteral("escaped.htm"))));

    // A line break in a path cannot smuggle in a second command.
    EXPECT_FALSE(ftp.ChangeDir(QStringLiteral("x\r\nDELE ok.htm")));
    EXPECT_FALSE(ftp.DeleteFile(QStringLiteral("nothing\r\nDELE /ok.htm")));
    EXPECT_TRUE(QFile::exists(serverFile(QStringLiteral("ok.htm"))));
    EXPECT_TRUE(ftp.Connected());
}

} // namespace
