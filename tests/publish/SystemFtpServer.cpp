#include "SystemFtpServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

#include <arpa/inet.h>
#include <grp.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const QString ServersFolder = QStringLiteral(PAGEWICK_TEST_SERVERS_DIR);

// A TCP port on 127.0.0.1 that nothing listens on just now.
int freeLocalPort()
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (::bind(probe, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
        && ::getsockname(probe, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    ::close(probe);
    return port;
}

bool acceptsConnections(int port)
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(quint16(port));
    const bool listening = ::connect(probe, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(probe);
    return listening;
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

} // namespace

SystemFtpServer::SystemFtpServer(Kind kind)
    : SystemFtpServer(kind, Options())
{
}

SystemFtpServer::SystemFtpServer(Kind kind, const Options &options)
{
    const QString program = ServersFolder
        + (kind == Kind::Vsftpd ? QStringLiteral("/usr/sbin/vsftpd") : QStringLiteral("/usr/sbin/proftpd"));
    if (!QFile::exists(program)) {
        m_failure = program + QStringLiteral(" is missing: run scripts/fetch-test-servers");
        return;
    }
    if (options.tls) {
        run(QStringLiteral("openssl"),
            {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
             QStringLiteral("-nodes"), QStringLiteral("-days"), QStringLiteral("1"), QStringLiteral("-subj"),
             QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1"),
             QStringLiteral("-keyout"), m_work.filePath(QStringLiteral("key.pem")), QStringLiteral("-out"), certificateFile()});
        if (!QFile::exists(certificateFile())) {
            m_failure = QStringLiteral("openssl could not make a certificate");
            return;
        }
    }
    const int port = freeLocalPort();
    const QString config = kind == Kind::Vsftpd ? vsftpdConfig(port, options) : proftpdConfig(port, options);
    if (config.isEmpty() || !writeFile(QStringLiteral("server.conf"), config)) {
        m_failure = QStringLiteral("the configuration could not be written");
        return;
    }
    const QString configFile = m_work.filePath(QStringLiteral("server.conf"));
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    if (kind == Kind::Vsftpd)
        m_process.start(program, {configFile});
    else
        m_process.start(program, {QStringLiteral("-n"), QStringLiteral("-q"), QStringLiteral("-c"), configFile});
    QDeadlineTimer deadline(5000);
    if (!m_process.waitForStarted(5000))
        return;
    while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
        if (acceptsConnections(port)) {
            m_port = port;
            return;
        }
        QThread::msleep(20);
    }
}

SystemFtpServer::~SystemFtpServer()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString SystemFtpServer::failure()
{
    return m_failure + QString::fromLocal8Bit(m_process.readAll());
}

bool SystemFtpServer::writeFile(const QString &name, const QString &text, bool privateFile) const
{
    QFile file(m_work.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    file.close();
    return !privateFile || file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

QString SystemFtpServer::vsftpdConfig(int port, const Options &options)
{
    m_user = QStringLiteral("anonymous");
    QDir(m_work.path()).mkdir(QStringLiteral("empty"));
    const passwd *me = ::getpwuid(::getuid());
    if (!me)
        return {};
    QString config = QStringLiteral("listen=YES\n"
                                    "listen_address=127.0.0.1\n"
                                    "listen_port=%1\n"
                                    "background=NO\n"
                                    "run_as_launching_user=YES\n"
                                    "secure_chroot_dir=%3\n"
                                    "ftp_username=%4\n"
                                    "nopriv_user=%4\n"
                                    "anonymous_enable=YES\n"
                                    "no_anon_password=YES\n"
                                    "anon_root=%2\n"
                                    "write_enable=YES\n"
                                    "anon_upload_enable=YES\n"
                                    "anon_mkdir_write_enable=YES\n"
                                    "anon_other_write_enable=YES\n"
                                    "anon_world_readable_only=NO\n"
                                    "anon_umask=022\n"
                                    "local_enable=NO\n"
                                    "seccomp_sandbox=NO\n"
                                    "isolate=NO\n"
                                    "isolate_network=NO\n"
                                    "utf8_filesystem=YES\n"
                                    "xferlog_enable=NO\n"
                                    "pasv_address=127.0.0.1\n")
                         .arg(port)
                         .arg(m_root.path(), m_work.filePath(QStringLiteral("empty")), QString::fromLocal8Bit(me->pw_name));
    if (options.idleTimeoutSeconds > 0)
        config += QStringLiteral("idle_session_timeout=%1\n").arg(options.idleTimeoutSeconds);
    if (options.tls) {
        // Otherwise vsftpd's TLS rules stay as shipped, session reuse on
        // data connections required among them.
        config += QStringLiteral("ssl_enable=YES\n"
                                 "allow_anon_ssl=YES\n"
                                 "force_anon_logins_ssl=YES\n"
                                 "force_anon_data_ssl=YES\n"
                                 "rsa_cert_file=%1\n"
                                 "rsa_private_key_file=%2\n")
                      .arg(certificateFile(), m_work.filePath(QStringLiteral("key.pem")));
    }
    return config;
}

QString SystemFtpServer::proftpdConfig(int port, const Options &options)
{
    // A user of its own, in files of its own, standing for the user that
    // runs the tests.
    m_user = QStringLiteral("pw");
    const QString hash = run(QStringLiteral("openssl"), {QStringLiteral("passwd"), QStringLiteral("-6"), password()});
    const passwd *me = ::getpwuid(::getuid());
    const group *myGroup = ::getgrgid(::getgid());
    if (hash.isEmpty() || !me || !myGroup)
        return {};
    if (!writeFile(
            QStringLiteral("passwd"),
            QStringLiteral("%1:%2:%3:%4::%5:/bin/sh\n").arg(m_user, hash).arg(::getuid()).arg(::getgid()).arg(m_root.path()),
            true)
        || !writeFile(QStringLiteral("group"), QStringLiteral("pwgroup:x:%1:\n").arg(::getgid()), true))
        return {};
    QString config = QStringLiteral("ServerType standalone\n"
                                    "DefaultServer on\n"
                                    "Port %1\n"
                                    "DefaultAddress 127.0.0.1\n"
                                    "SocketBindTight on\n"
                                    "UseIPv6 off\n"
                                    "User %2\n"
                                    "Group %3\n"
                                    "PidFile %4/proftpd.pid\n"
                                    "ScoreboardFile %4/proftpd.scoreboard\n"
                                    "DelayTable none\n"
                                    "WtmpLog off\n"
                                    "TransferLog none\n"
                                    "SystemLog %4/system.log\n"
                                    "AuthOrder mod_auth_file.c\n"
                                    "AuthUserFile %4/passwd\n"
                                    "AuthGroupFile %4/group\n"
                                    "RequireValidShell off\n"
                                    "RootLogin on\n"
                                    "UseReverseDNS off\n"
                                    "UseFtpUsers off\n"
                                    "AllowOverwrite on\n"
                                    "Umask 022\n"
                                    "ModulePath %5/usr/lib/proftpd\n")
                         .arg(port)
                         .arg(QString::fromLocal8Bit(me->pw_name), QString::fromLocal8Bit(myGroup->gr_name), m_work.path(),
                              ServersFolder);
    if (options.idleTimeoutSeconds > 0)
        config += QStringLiteral("TimeoutIdle %1\n").arg(options.idleTimeoutSeconds);
    return config;
}
