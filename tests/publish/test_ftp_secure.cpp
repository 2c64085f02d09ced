// FTPS against pyftpdlib with TLS, SFTP against a private OpenSSH server
// (key login) and against asyncssh (password login).
#include "FtpTestClient.h"
#include "ScriptTestServer.h"

#include "publish/TSimpleFTP.h"
#include "support/ScriptedPrompter.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

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

    // A certificate nobody vouches for is refused, and the error says so.
    QList<quint16> errors;
    QObject::connect(&ftp, &TSimpleFTP::OnError, [&](quint16 code) { errors << code; });
    EXPECT_FALSE(ftp.Connect());
    EXPECT_EQ(errors, QList<quint16>{12045});
    EXPECT_TRUE(ftp.ErrorText(errors.value(0)).startsWith(QStringLiteral("Certifikatet fra 127.0.0.1 blev afvist")));

    ftp.setTrustedCertificateFile(server.certificateFile());
    // The server insists on TLS for data, so a transfer that works in active
    // mode proves the data went protected (passive data connections stand
    // in where this libcurl cannot protect active ones).
    for (bool passive : {true, false}) {
        ftp.setPassive(passive);
        ASSERT_TRUE(ftp.Connect());
        const QByteArray content = sampleBytes(300000, passive ? 5 : 6);
        ASSERT_TRUE(ftp.ForceDirectories(QStringLiteral("/sikker/mappe")));
        ASSERT_TRUE(
            ftp.PutFile(writeFile(local.filePath(QStringLiteral("a.bin")), content), QStringLiteral("/sikker/mappe/å b.bin")));
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
                        {QStringLiteral("-D"), QStringLiteral("-f"), dir + QStringLiteral("/sshd_config"), QStringLiteral("-E"),
                         dir + QStringLiteral("/sshd.log")});
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
        return QProcess::execute(QStringLiteral("ssh-keygen"),
                                 {QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("ed25519"), QStringLiteral("-N"),
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
    aimSftpAt(ftp, server.port(), QStringLiteral("root"), local.filePath(QStringLiteral("known_hosts")), &prompter);
    ftp.setPrivateKeyFile(server.file(QStringLiteral("user_key")));

    // Refusing the unknown key refuses the connection.
    prompter.expect(QStringLiteral("ukendt"), Prompter::No);
    EXPECT_FALSE(ftp.Connect());
    EXPECT_TRUE(prompter.allAnswered());
    prompter.expect(QStringLiteral("ukendt"), Prompter::Yes);
    ASSERT_TRUE(ftp.Connect());
    EXPECT_TRUE(prompter.allAnswered());
    ftp.Disconnect();
    ASSERT_TRUE(ftp.Connect()); // known now: no question

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
    aimSftpAt(stranger, server.port(), QStringLiteral("root"), local.filePath(QStringLiteral("known_hosts")), nullptr);
    stranger.setPrivateKeyFile(server.file(QStringLiteral("other_key")));
    QList<quint16> errors;
    QObject::connect(&stranger, &TSimpleFTP::OnError, [&](quint16 code) { errors << code; });
    EXPECT_FALSE(stranger.Connect());
    EXPECT_EQ(errors, QList<quint16>{12014});
}

// Connects and gives the text of the failure, empty on success.
QString connectFailure(TSimpleFTP &ftp)
{
    try {
        return ftp.Connect() ? QString() : QStringLiteral("(no message)");
    } catch (const FtpException &failure) {
        return failure.message();
    }
}

TEST(Sftp, PasswordLoginBehindTheHostKeyCheck)
{
    QTemporaryDir remote;
    QTemporaryDir local;
    const QString password = QStringLiteral("kode-æø-%1\"x");
    const QStringList arguments = {QStringLiteral("--root"),     remote.path(), QStringLiteral("--user"), QStringLiteral("pw"),
                                   QStringLiteral("--password"), password};
    ScriptTestServer server(QStringLiteral("sftp_password_server.py"), arguments);
    ASSERT_TRUE(server.started());
    const QString knownHosts = local.filePath(QStringLiteral("known_hosts"));
    ScriptedPrompter prompter;
    TSimpleFTP ftp;
    aimSftpAt(ftp, server.port(), QStringLiteral("pw"), knownHosts, &prompter);
    ftp.setPassword(password);
    ftp.setSilentExceptions(false);
    QList<quint16> errors;
    QObject::connect(&ftp, &TSimpleFTP::OnError, [&](quint16 code) { errors << code; });

    // An unknown server that the user does not trust never sees the password.
    prompter.expect(QStringLiteral("ukendt"), Prompter::No);
    EXPECT_EQ(connectFailure(ftp), QStringLiteral("Generel forbindelsesfejl 127.0.0.1"));
    EXPECT_EQ(errors, QList<quint16>{12157});
    EXPECT_TRUE(prompter.allAnswered());
    EXPECT_EQ(server.count("LOGIN") + server.count("REFUSED"), 0);

    // A wrong password, once the key is trusted: the password text, and
    // neither password in it.
    const QString wrong = QStringLiteral("forkert-%1-kode");
    ftp.setPassword(wrong);
    prompter.expect(QStringLiteral("ukendt"), Prompter::Yes);
    errors.clear();
    const QString refused = connectFailure(ftp);
    EXPECT_TRUE(prompter.allAnswered());
    EXPECT_EQ(refused, QStringLiteral("Forkert adgangskode til 127.0.0.1"));
    EXPECT_EQ(errors, QList<quint16>{12014});
    EXPECT_GT(server.count("REFUSED"), 0);
    EXPECT_FALSE(ftp.Connected());

    // The right one logs in without a second question, and work gets done.
    ftp.setPassword(password);
    ASSERT_EQ(connectFailure(ftp), QString());
    EXPECT_EQ(server.count("LOGIN"), 1);
    const QByteArray content = sampleBytes(120000, 11);
    ASSERT_TRUE(ftp.PutFile(writeFile(local.filePath(QStringLiteral("s.bin")), content), QStringLiteral("/side.bin")));
    EXPECT_EQ(readFile(remote.filePath(QStringLiteral("side.bin"))), content);
    TFindList entries;
    ASSERT_EQ(ftp.FindFiles(QString(), &entries), 1);
    EXPECT_EQ(entries[0].name, QStringLiteral("side.bin"));
    EXPECT_EQ(entries[0].data.size(), content.size());
    const QString back = local.filePath(QStringLiteral("tilbage.bin"));
    ASSERT_TRUE(ftp.GetFile(QStringLiteral("side.bin"), back));
    EXPECT_EQ(readFile(back), content);

    // Failing operations and the server's texts do not carry it either.
    QStringList texts = {ftp.LastResponse(), ftp.ConnectResponse()};
    for (const auto &failing : std::initializer_list<std::function<bool()>>{
             [&] { return ftp.GetFile(QStringLiteral("mangler.bin"), local.filePath(QStringLiteral("m.bin"))); },
             [&] { return ftp.RenameFile(QStringLiteral("mangler.bin"), QStringLiteral("x.bin")); },
             [&] { return ftp.ChangeDir(QStringLiteral("/mangler")); }}) {
        try {
            EXPECT_FALSE(failing());
        } catch (const FtpException &failure) {
            texts << failure.message();
        }
    }
    EXPECT_EQ(texts.size(), 5);
    for (const QString &text : std::as_const(texts)) {
        EXPECT_FALSE(text.contains(password)) << text.toStdString();
        EXPECT_FALSE(text.contains(wrong)) << text.toStdString();
    }
    EXPECT_TRUE(ftp.Connected());
    ftp.Disconnect();

    // Another server at the same address, with a key of its own: refused
    // without a question, before any password is sent.
    ScriptTestServer impostor(QStringLiteral("sftp_password_server.py"), arguments);
    ASSERT_TRUE(impostor.started());
    // The accepted key stands for the host and its port: moved to the
    // impostor's port, it is the key the impostor should have.
    const auto addressOf = [](int port) { return QStringLiteral("[127.0.0.1]:%1").arg(port).toUtf8(); };
    writeFile(knownHosts, readFile(knownHosts).replace(addressOf(server.port()), addressOf(impostor.port())));
    ftp.setPort(impostor.port());
    errors.clear();
    EXPECT_EQ(connectFailure(ftp), QStringLiteral("Generel forbindelsesfejl 127.0.0.1"));
    EXPECT_EQ(errors, QList<quint16>{12157});
    EXPECT_TRUE(prompter.allAnswered());
    EXPECT_EQ(impostor.count("LOGIN") + impostor.count("REFUSED"), 0);
}

TEST(Sftp, TwoServersOnOneHostAreTrustedEachWithItsOwnKey)
{
    QTemporaryDir remote;
    QTemporaryDir local;
    const QStringList arguments = {QStringLiteral("--root"),     remote.path(),
                                   QStringLiteral("--user"),     QStringLiteral("pw"),
                                   QStringLiteral("--password"), QStringLiteral("kode")};
    ScriptTestServer first(QStringLiteral("sftp_password_server.py"), arguments);
    ScriptTestServer second(QStringLiteral("sftp_password_server.py"), arguments);
    ASSERT_TRUE(first.started() && second.started());
    // A file kept by hand may end without a line break.
    const QByteArray otherHost = "andet.example ssh-ed25519 AAAAC3NzaC1lZDI1NTE5AAAAIAABAgMEBQYHCAkKCwwNDg8QERITFBUWFxgZGhscHR4f";
    const QString knownHosts = writeFile(local.filePath(QStringLiteral("ssh/known_hosts")), otherHost);
    ScriptedPrompter prompter;
    TSimpleFTP ftp;
    aimSftpAt(ftp, first.port(), QStringLiteral("pw"), knownHosts, &prompter);
    ftp.setPassword(QStringLiteral("kode"));

    // Each is asked about once, and both are known from then on.
    for (const ScriptTestServer *server : {&first, &second}) {
        ftp.setPort(server->port());
        prompter.expect(QStringLiteral("ukendt"), Prompter::Yes);
        ASSERT_TRUE(ftp.Connect()) << server->port();
        EXPECT_TRUE(prompter.allAnswered());
        ftp.Disconnect();
    }
    for (const ScriptTestServer *server : {&first, &second, &first}) {
        ftp.setPort(server->port());
        EXPECT_TRUE(ftp.Connect()) << server->port();
        ftp.Disconnect();
    }
    const QList<QByteArray> lines = readFile(knownHosts).trimmed().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], otherHost);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("[127.0.0.1]:%1 ssh-ed25519 ").arg(first.port()).toUtf8()))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("[127.0.0.1]:%1 ssh-ed25519 ").arg(second.port()).toUtf8()))
        << lines[2].toStdString();
}

} // namespace
