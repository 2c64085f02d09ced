// FTPS against pyftpdlib with TLS and SFTP against a private OpenSSH server.
#include "FtpTestClient.h"

#include "publish/TSimpleFTP.h"
#include "support/ScriptedPrompter.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <gtest/gtest.h>

namespace {

TEST(Ftps, CheckedCertificateCarriesEveryKindOfOperation)
{
    FtpTestServer server({.tls = true});
    ASSERT_TRUE(server.started());
    QTemporaryDir local;
    TSimpleFTP ftp;
    aimAt(ftp, server);
    ftp.setProtocol(TransferProtocol::Ftps);
    ftp.setConnectRetries(0);

    // A certificate nobody vouches for is refused.
    QList<quint16> errors;
    QObject::connect(&ftp, &TSimpleFTP::OnError, [&](quint16 code) { errors << code; });
    EXPECT_FALSE(ftp.Connect());
    EXPECT_EQ(errors, QList<quint16>{12157});

    ftp.setTrustedCertificateFile(server.certificateFile());
    // The server insists on TLS for data, so a transfer that works in active
    // mode proves the data went protected (passive data connections stand
    // in where this libcurl cannot protect active ones).
    for (bool passive : {true, false}) {
        ftp.setPassive(passive);
        ASSERT_TRUE(ftp.Connect());
        const QByteArray content = sampleBytes(300000, passive ? 5 : 6);
        ASSERT_TRUE(ftp.ForceDirectories(QStringLiteral("/sikker/mappe")));
        ASSERT_TRUE(ftp.PutFile(writeFile(local.filePath(QStringLiteral("a.bin")), content),
                                QStringLiteral("/sikker/mappe/å b.bin")));
        ASSERT_TRUE(ftp.ChangeDir(QStringLiteral("/sikker/mappe")));
        TFindList entries;
        ASSERT_EQ(ftp.FindFiles(QString(), &entries), 1);
        EXPECT_EQ(entries[0].data.size(), content.size());
        const QString back = local.filePath(QStringLiteral("back.bin"));
        ASSERT_TRUE(ftp.GetFile(QStringLiteral("å b.bin"), back));
        EXPECT_EQ(readFile(back), content);
        EXPECT_TRUE(ftp.DeleteFile(QStringLiteral("å b.bin")));
        EXPECT_TRUE(ftp.RemoveDir(QStringLiteral("/sikker/mappe")));
        EXPECT_TRUE(ftp.RemoveDir(QStringLiteral("/sikker")));
        ftp.Disconnect();
        QFile::remove(back);
    }
}

// OpenSSH on 127.0.0.1 with its own host key, letting in one user key.
class SshTestServer
{
public:
    SshTestServer()
    {
        const QString dir = m_dir.path();
        if (!keygen(dir + QStringLiteral("/host_key")) || !keygen(dir + QStringLiteral("/user_key"))
            || !keygen(dir + QStringLiteral("/other_key")))
            return;
        QFile::copy(dir + QStringLiteral("/user_key.pub"), dir + QStringLiteral("/authorized_keys"));
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        m_port = probe.serverPort();
        probe.close();
        writeFile(dir + QStringLiteral("/sshd_config"),
                  QStringLiteral("Port %1\nListenAddress 127.0.0.1\nHostKey %2/host_key\n"
                                 "AuthorizedKeysFile %2/authorized_keys\nPermitRootLogin prohibit-password\n"
                                 "StrictModes no\nPasswordAuthentication no\nUsePAM no\n"
                                 "Subsystem sftp internal-sftp\nPidFile %2/sshd.pid\n")
                      .arg(m_port)
                      .arg(dir)
                      .toUtf8());
        QDir().mkpath(QStringLiteral("/run/sshd"));
        m_process.start(QStringLiteral("/usr/sbin/sshd"),
                        {QStringLiteral("-D"), QStringLiteral("-f"), dir + QStringLiteral("/sshd_config"),
                         QStringLiteral("-E"), dir + QStringLiteral("/sshd.log")});
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired() && m_process.state() != QProcess::NotRunning) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, quint16(m_port));
            if (socket.waitForConnected(200)) {
                m_ready = true;
                break;
            }
            QThread::msleep(50);
        }
    }
    ~SshTestServer()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    bool ready() const { return m_ready; }
    int port() const { return m_port; }
    QString file(const QString &name) const { return m_dir.filePath(name); }

private:
    static bool keygen(const QString &path)
    {
        return QProcess::execute(QStringLiteral("ssh-keygen"), {QStringLiteral("-q"), QStringLiteral("-t"),
                                                                QStringLiteral("ed25519"), QStringLiteral("-N"),
                                                                QString(), QStringLiteral("-f"), path})
            == 0;
    }
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
    bool m_ready = false;
};

TEST(Sftp, HostKeyAskedOnceThenEveryOperationWorks)
{
    SshTestServer server;
    ASSERT_TRUE(server.ready());
    QTemporaryDir remote;
    QTemporaryDir local;
    ScriptedPrompter prompter;
    TSimpleFTP ftp;
    ftp.setProtocol(TransferProtocol::Sftp);
    ftp.setHostName(QStringLiteral("127.0.0.1"));
    ftp.setPort(server.port());
    ftp.setUserName(QStringLiteral("root"));
    ftp.setPrivateKeyFile(server.file(QStringLiteral("user_key")));
    ftp.setKnownHostsFile(local.filePath(QStringLiteral("known_hosts")));
    ftp.setPrompter(&prompter);
    ftp.setConnectTimeout(5000);
    ftp.setConnectRetries(0);

    // Refusing the unknown key refuses the connection.
    prompter.expect(QStringLiteral("ukendt"), Prompter::No);
    EXPECT_FALSE(ftp.Connect());
    EXPECT_TRUE(prompter.allAnswered());
    prompter.expect(QStringLiteral("ukendt"), Prompter::Yes);
    ASSERT_TRUE(ftp.Connect());
    EXPECT_TRUE(prompter.allAnswered());
    ftp.Disconnect();
    ASSERT_TRUE(ftp.Connect());  // known now: no question

    const QString base = remote.path();
    ASSERT_TRUE(ftp.ChangeDir(base));
    EXPECT_EQ(ftp.RemoteDir(), base);
    ASSERT_TRUE(ftp.ForceDirectories(base + QStringLiteral("/a b/c")));
    const QByteArray content = sampleBytes(150000, 9);
    ASSERT_TRUE(ftp.PutFile(writeFile(local.filePath(QStringLiteral("x.bin")), content), QStringLiteral("a b/æ.bin")));
    EXPECT_EQ(readFile(remote.filePath(QStringLiteral("a b/æ.bin"))), content);
    // Replacing goes through the temporary name too.
    ASSERT_TRUE(ftp.PutFile(writeFile(local.filePath(QStringLiteral("y.bin")), "ny"), QStringLiteral("a b/æ.bin")));
    EXPECT_EQ(readFile(remote.filePath(QStringLiteral("a b/æ.bin"))), QByteArray("ny"));
    EXPECT_TRUE(leftoverTemporaries(remote.filePath(QStringLiteral("a b"))).isEmpty());
    ASSERT_TRUE(ftp.ChangeDir(QStringLiteral("a b")));
    TFindList entries;
    EXPECT_EQ(ftp.FindFiles(QString(), &entries), 2);
    const QString back = local.filePath(QStringLiteral("back.bin"));
    ASSERT_TRUE(ftp.GetFile(QStringLiteral("æ.bin"), back));
    EXPECT_EQ(readFile(back), QByteArray("ny"));
    EXPECT_TRUE(ftp.RenameFile(QStringLiteral("æ.bin"), QStringLiteral("ø.bin")));
    EXPECT_TRUE(QFile::exists(remote.filePath(QStringLiteral("a b/ø.bin"))));
    EXPECT_TRUE(ftp.DeleteFile(QStringLiteral("ø.bin")));
    EXPECT_TRUE(ftp.RemoveDir(QStringLiteral("c")));
    EXPECT_FALSE(ftp.DirExists(QStringLiteral("c")));
    EXPECT_FALSE(ftp.DeleteFile(QStringLiteral("missing.bin")));
    EXPECT_TRUE(ftp.Connected());

    // A key the server does not know is a refused login.
    TSimpleFTP stranger;
    stranger.setProtocol(TransferProtocol::Sftp);
    stranger.setHostName(QStringLiteral("127.0.0.1"));
    stranger.setPort(server.port());
    stranger.setUserName(QStringLiteral("root"));
    stranger.setPrivateKeyFile(server.file(QStringLiteral("other_key")));
    stranger.setKnownHostsFile(local.filePath(QStringLiteral("known_hosts")));
    stranger.setConnectRetries(0);
    QList<quint16> errors;
    QObject::connect(&stranger, &TSimpleFTP::OnError, [&](quint16 code) { errors << code; });
    EXPECT_FALSE(stranger.Connect());
    EXPECT_EQ(errors, QList<quint16>{12014});
}

} // namespace
