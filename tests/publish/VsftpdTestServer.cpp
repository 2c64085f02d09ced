#include "VsftpdTestServer.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

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

bool waitForListener(int port, const QProcess &process)
{
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired() && process.state() == QProcess::Running) {
        const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(quint16(port));
        const bool listening = ::connect(probe, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        ::close(probe);
        if (listening)
            return true;
        QThread::msleep(20);
    }
    return false;
}

VsftpdTestServer::VsftpdTestServer(const Options &options)
{
    if (!QFile::exists(QString::fromLatin1(Program)))
        return;
    const int port = freeLocalPort();
    QString config = QStringLiteral("listen=YES\n"
                                    "listen_address=127.0.0.1\n"
                                    "listen_port=%1\n"
                                    "background=NO\n"
                                    "run_as_launching_user=YES\n"
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
                         .arg(m_root.path());
    if (options.idleTimeoutSeconds > 0)
        config += QStringLiteral("idle_session_timeout=%1\n").arg(options.idleTimeoutSeconds);
    if (options.tls) {
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
                       QStringLiteral("-nodes"), QStringLiteral("-days"), QStringLiteral("1"), QStringLiteral("-subj"),
                       QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"), QStringLiteral("subjectAltName=IP:127.0.0.1"),
                       QStringLiteral("-keyout"), m_work.filePath(QStringLiteral("key.pem")), QStringLiteral("-out"),
                       certificateFile()});
        if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0)
            return;
        // vsftpd's default TLS rules stay: data connections must reuse the
        // control connection's TLS session.
        config += QStringLiteral("ssl_enable=YES\n"
                                 "allow_anon_ssl=YES\n"
                                 "force_anon_logins_ssl=YES\n"
                                 "force_anon_data_ssl=YES\n"
                                 "rsa_cert_file=%1\n"
                                 "rsa_private_key_file=%2\n")
                      .arg(certificateFile(), m_work.filePath(QStringLiteral("key.pem")));
    }
    const QString configFile = m_work.filePath(QStringLiteral("vsftpd.conf"));
    QFile file(configFile);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(config.toUtf8());
    file.close();
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(QString::fromLatin1(Program), {configFile});
    if (m_process.waitForStarted(5000) && waitForListener(port, m_process))
        m_port = port;
}

VsftpdTestServer::VsftpdTestServer()
    : VsftpdTestServer(Options())
{
}

VsftpdTestServer::~VsftpdTestServer()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QString VsftpdTestServer::output()
{
    return QString::fromLocal8Bit(m_process.readAll());
}
