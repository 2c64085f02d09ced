// The component against FTP servers that hosting companies run, started by
// the test on 127.0.0.1 with a configuration of its own.
#include "FtpTestClient.h"
#include "SystemFtpServer.h"

#include "publish/TSimpleFTP.h"

#include <QThread>

#include <gtest/gtest.h>

namespace {

void aimAt(TSimpleFTP &ftp, const SystemFtpServer &server, bool passive)
{
    ftp.setHostName(QStringLiteral("127.0.0.1"));
    ftp.setPort(server.port());
    ftp.setUserName(server.user());
    ftp.setPassword(server.password());
    ftp.setConnectTimeout(5000);
    ftp.setPassive(passive);
}

// Every kind of operation, with names in UTF-8 and with blanks, checked on
// the server's disk; `root` is the folder the server shows at login.
void exerciseEveryOperation(TSimpleFTP &ftp, const QString &root)
{
    QTemporaryDir local;
    const auto onServer = [&root](const QString &relative) { return QDir(root).filePath(relative); };
    ftp.setSilentExceptions(false);
    const QString start = ftp.RemoteDir();

    ASSERT_TRUE(ftp.ForceDirectories(QStringLiteral("Mappe med æøå/inde")));
    EXPECT_TRUE(ftp.ForceDirectories(QStringLiteral("Mappe med æøå/inde")));
    EXPECT_TRUE(QFileInfo(onServer(QStringLiteral("Mappe med æøå/inde"))).isDir());
    // Relative folders are kept as the absolute folder the server names.
    ASSERT_TRUE(ftp.ChangeDir(QStringLiteral("Mappe med æøå")));
    ASSERT_TRUE(ftp.ChangeDir(QStringLiteral("inde")));
    EXPECT_EQ(ftp.RemoteDir(), start + QStringLiteral("/Mappe med æøå/inde"));
    ASSERT_TRUE(ftp.ChangeDir(start));

    const QByteArray big = sampleBytes(20 * 1024 * 1024);
    ASSERT_TRUE(
        ftp.PutFile(writeFile(local.filePath(QStringLiteral("stor.bin")), big), QStringLiteral("Mappe med æøå/stor fil.bin")));
    EXPECT_EQ(readFile(onServer(QStringLiteral("Mappe med æøå/stor fil.bin"))), big);
    ASSERT_TRUE(ftp.PutFile(writeFile(local.filePath(QStringLiteral("side.htm")), "<p>æ</p>"),
                            QStringLiteral("Mappe med æøå/inde æ.txt")));
    EXPECT_TRUE(leftoverTemporaries(onServer(QStringLiteral("Mappe med æøå"))).isEmpty());

    TFindData found;
    EXPECT_TRUE(ftp.FindRemoteFile(QStringLiteral("Mappe med æøå/inde æ.txt"), &found));
    EXPECT_EQ(found.size(), 9);
    EXPECT_FALSE(ftp.FindRemoteFile(QStringLiteral("inde/inde æ.txt")));
    TFindList listed;
    EXPECT_EQ(ftp.FindFiles(QStringLiteral("Mappe med æøå/*"), &listed), 3);

    const QString fetched = local.filePath(QStringLiteral("hentet.bin"));
    ASSERT_TRUE(ftp.GetFile(QStringLiteral("Mappe med æøå/stor fil.bin"), fetched));
    EXPECT_EQ(readFile(fetched), big);

    EXPECT_TRUE(ftp.RenameFile(QStringLiteral("Mappe med æøå/inde æ.txt"), QStringLiteral("Mappe med æøå/inde/flyttet.txt")));
    EXPECT_TRUE(QFile::exists(onServer(QStringLiteral("Mappe med æøå/inde/flyttet.txt"))));
    EXPECT_TRUE(ftp.DeleteFile(QStringLiteral("Mappe med æøå/inde/flyttet.txt")));
    EXPECT_TRUE(ftp.RemoveDir(QStringLiteral("Mappe med æøå/inde")));
    EXPECT_FALSE(QFileInfo::exists(onServer(QStringLiteral("Mappe med æøå/inde"))));
}

TEST(SystemFtpServers, EveryOperationPassiveAndActive)
{
    for (const auto kind : {SystemFtpServer::Kind::Vsftpd, SystemFtpServer::Kind::Proftpd})
        for (const bool passive : {true, false}) {
            SCOPED_TRACE(kind == SystemFtpServer::Kind::Vsftpd ? "vsftpd" : "ProFTPD");
            SCOPED_TRACE(passive ? "passive" : "active");
            SystemFtpServer server(kind);
            ASSERT_TRUE(server.started()) << server.failure().toStdString();
            TSimpleFTP ftp;
            aimAt(ftp, server, passive);
            ASSERT_TRUE(ftp.Connect());
            exerciseEveryOperation(ftp, server.root());
        }
}

TEST(SystemFtpServers, ASessionClosedForIdlingIsReportedAndTheNextOperationConnectsAgain)
{
    SystemFtpServer server(SystemFtpServer::Kind::Vsftpd, {.idleTimeoutSeconds = 1});
    ASSERT_TRUE(server.started()) << server.failure().toStdString();
    TSimpleFTP ftp;
    aimAt(ftp, server, true);
    QList<quint16> errors;
    QObject::connect(&ftp, &TSimpleFTP::OnError, [&](quint16 code) { errors << code; });
    ASSERT_TRUE(ftp.Connect());
    QThread::msleep(2500);
    QTemporaryDir local;
    const QString page = writeFile(local.filePath(QStringLiteral("side.htm")), "<p>x</p>");
    ftp.setSilentExceptions(false);
    try {
        ftp.PutFile(page, QStringLiteral("side.htm"));
    } catch (const ESimpleFTPError &error) {
        // Told as a lost connection, never as a bare transfer failure.
        EXPECT_EQ(
            error.message(),
            QStringLiteral("Fejl under overførsel af %1 til side.htm: Forbindelsen blev afbrudt. Ikke forbundet!").arg(page));
        EXPECT_EQ(errors, QList<quint16>{InternetError::ConnectionAborted});
        EXPECT_TRUE(ftp.PutFile(page, QStringLiteral("side.htm")));
    }
    EXPECT_EQ(readFile(server.rootPath(QStringLiteral("side.htm"))), QByteArray("<p>x</p>"));
    EXPECT_TRUE(ftp.Connected());
}

TEST(SystemFtpServers, VsftpdsExplicitTlsWithItsDefaultRulesCarriesRepeatedTransfers)
{
    SystemFtpServer server(SystemFtpServer::Kind::Vsftpd, {.tls = true});
    ASSERT_TRUE(server.started()) << server.failure().toStdString();
    TSimpleFTP ftp;
    aimAt(ftp, server, true);
    ftp.setProtocol(TransferProtocol::Ftps);
    ftp.setTrustedCertificateFile(server.certificateFile());
    QList<quint16> errors;
    QObject::connect(&ftp, &TSimpleFTP::OnError, [&](quint16 code) { errors << code; });
    // A session this side gives up is gone with its replies: the last one
    // is kept for the failure's message.
    QString lastReplyBeforeClosing;
    QObject::connect(&ftp, &TSimpleFTP::OnStateChange, [&](TWinInetState state) {
        if (state == fsDisconnecting)
            lastReplyBeforeClosing = ftp.LastResponse();
    });
    ASSERT_TRUE(ftp.Connect());
    ftp.setSilentExceptions(false);
    QTemporaryDir local;
    for (int i = 0; i < 12; ++i) {
        const QByteArray content = sampleBytes(200000 + i, i);
        const QString name = QStringLiteral("fil %1.bin").arg(i);
        try {
            ASSERT_TRUE(ftp.PutFile(writeFile(local.filePath(name), content), name)) << i;
        } catch (const FtpException &error) {
            FAIL() << "file " << i << ": " << error.message().toStdString() << "; the server's last reply before the "
                   << "session closed: " << lastReplyBeforeClosing.toStdString() << "; errors: " << errors.size();
        }
        EXPECT_EQ(readFile(server.rootPath(name)), content) << i;
    }
    EXPECT_EQ(ftp.FindFiles(), 12);
    ASSERT_TRUE(ftp.GetFile(QStringLiteral("fil 3.bin"), local.filePath(QStringLiteral("hentet.bin"))));
    EXPECT_EQ(readFile(local.filePath(QStringLiteral("hentet.bin"))), sampleBytes(200003, 3));
    EXPECT_TRUE(leftoverTemporaries(server.root()).isEmpty());
    EXPECT_TRUE(errors.isEmpty());
}

} // namespace
