#pragma once

#include "FtpTestServer.h"

#include "publish/TSimpleFTP.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "support/QtPrinters.h"

// Points a component at a test server with short time limits.
inline void aimAt(TSimpleFTP &ftp, const FtpTestServer &server)
{
    ftp.setHostName(QStringLiteral("127.0.0.1"));
    ftp.setPort(server.port());
    ftp.setUserName(FtpTestServer::User);
    ftp.setPassword(FtpTestServer::Password);
    ftp.setConnectTimeout(5000);
}

// An SFTP client for a server on this machine, keeping the host keys it
// accepts in `knownHosts` and asking `prompter` about new ones.
inline void aimSftpAt(TSimpleFTP &ftp, int port, const QString &user, const QString &knownHosts, Prompter *prompter)
{
    ftp.setProtocol(TransferProtocol::Sftp);
    ftp.setHostName(QStringLiteral("127.0.0.1"));
    ftp.setPort(port);
    ftp.setUserName(user);
    ftp.setKnownHostsFile(knownHosts);
    ftp.setPrompter(prompter);
    ftp.setConnectTimeout(5000);
    ftp.setConnectRetries(0);
}

inline QString writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Bytes of every value, line breaks of all kinds included.
inline QByteArray sampleBytes(int size, int seed = 1)
{
    QByteArray bytes(size, Qt::Uninitialized);
    quint32 x = quint32(seed) * 2654435761u + 1;
    for (int i = 0; i < size; ++i) {
        x = x * 1664525u + 1013904223u;
        bytes[i] = char(x >> 24);
    }
    return bytes;
}

// Files in a server folder whose names mark them as unfinished uploads.
inline QStringList leftoverTemporaries(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral(".~*")}, QDir::Files | QDir::Hidden);
}
