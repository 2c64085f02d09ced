#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// vsftpd, the FTP server of many hosting companies, on 127.0.0.1 and a free
// port with a configuration of the test's own: anonymous login with every
// write right, run as the user running the tests, serving a fresh folder;
// optionally with explicit TLS under vsftpd's default TLS rules (session
// reuse required on data connections). Stopped when the object goes.
class VsftpdTestServer
{
public:
    struct Options
    {
        bool tls = false;
        int idleTimeoutSeconds = 0; // vsftpd's own rule when 0
    };

    static inline const QString User = QStringLiteral("anonymous");
    static constexpr const char *Program = "/usr/sbin/vsftpd";

    VsftpdTestServer();
    explicit VsftpdTestServer(const Options &options);
    ~VsftpdTestServer();

    bool started() const { return m_port > 0; }
    int port() const { return m_port; }
    // The folder the server lists at login. vsftpd does not change its root
    // here, so the server's own paths are those of this folder.
    QString root() const { return m_root.path(); }
    QString rootPath(const QString &relative) const { return m_root.filePath(relative); }
    QString certificateFile() const { return m_work.filePath(QStringLiteral("cert.pem")); }
    // Output of the server so far (for a failing test's message).
    QString output();

private:
    QTemporaryDir m_root;
    QTemporaryDir m_work;
    QProcess m_process;
    int m_port = 0;
};

// A TCP port on 127.0.0.1 that nothing listens on just now.
int freeLocalPort();
// Waits up to five seconds for a server to accept connections on the port.
bool waitForListener(int port, const QProcess &process);
