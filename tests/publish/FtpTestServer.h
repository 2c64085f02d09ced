#pragma once

#include <QByteArray>
#include <QDir>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A real FTP server (pyftpdlib, see ftp_server.py) on 127.0.0.1 and a free
// port, serving a fresh temporary folder; stopped when the object goes.
class FtpTestServer
{
public:
    struct Options
    {
        bool tls = false;
        int throttleBytesPerSecond = 0;
        bool noMachineListing = false;
        bool noRename = false;
        bool noRenameOver = false; // a rename onto an existing file is refused
        bool silent = false; // accepts connections and never answers
        bool journal = false; // tells every connection and command, see journal()
        int port = 0; // 0: a free one
        QString root; // empty: a fresh temporary folder
    };

    static inline const QString User = QStringLiteral("pw");
    static inline const QString Password = QStringLiteral("hemmelig-k0de");

    FtpTestServer();
    explicit FtpTestServer(const Options &options);
    ~FtpTestServer();

    bool started() const { return m_port > 0; }
    int port() const { return m_port; }
    // The folder the server shows as "/".
    QString root() const { return m_rootPath; }
    QString rootPath(const QString &relative) const { return QDir(m_rootPath).filePath(relative); }
    // The server's certificate (TLS only), to be trusted by the client.
    QString certificateFile() const { return m_certificates.filePath(QStringLiteral("cert.pem")); }
    // Logins seen so far.
    int logins();
    // With the journal on: "CONNECT" for each connection and "CMD <COMMAND>
    // <argument>" for each command (login commands left out), in order.
    QStringList journal();
    // Ends the server at once, as a crash would.
    void kill();

private:
    QTemporaryDir m_root;
    QString m_rootPath;
    QTemporaryDir m_certificates;
    QProcess m_process;
    QByteArray m_output;
    int m_port = 0;
};
