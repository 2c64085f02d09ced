#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// An FTP server that hosting companies run, unpacked into the build tree by
// scripts/fetch-test-servers and started on 127.0.0.1 and a free port with a
// configuration of the test's own, as the user running the tests, serving a
// fresh folder with every write right. vsftpd lists with LIST only and can
// speak explicit TLS under its default rules (data connections must reuse
// the control connection's TLS session); ProFTPD lists with MLSD. Stopped
// when the object goes.
class SystemFtpServer
{
public:
    enum class Kind { Vsftpd, Proftpd };
    struct Options
    {
        bool tls = false; // vsftpd only
        int idleTimeoutSeconds = 0; // the server's own rule when 0
    };

    SystemFtpServer(Kind kind, const Options &options);
    explicit SystemFtpServer(Kind kind);
    ~SystemFtpServer();

    bool started() const { return m_port > 0; }
    int port() const { return m_port; }
    QString user() const { return m_user; }
    QString password() const { return QStringLiteral("hemmelig-k0de"); }
    // The folder the server enters at login. Neither server changes its
    // root here, so the server's own paths are those of this folder.
    QString root() const { return m_root.path(); }
    QString rootPath(const QString &relative) const { return m_root.filePath(relative); }
    QString certificateFile() const { return m_work.filePath(QStringLiteral("cert.pem")); }
    // Why the server did not start, for a failing test's message.
    QString failure();

private:
    bool writeFile(const QString &name, const QString &text, bool privateFile = false) const;
    QString vsftpdConfig(int port, const Options &options);
    QString proftpdConfig(int port, const Options &options);

    QTemporaryDir m_root;
    QTemporaryDir m_work;
    QProcess m_process;
    QString m_user;
    QString m_failure;
    int m_port = 0;
};
