#pragma once

#include <QProcess>
#include <QString>

// The tests' pyftpdlib server (its script given) on 127.0.0.1, serving a
// folder to one user; stopped when the object goes.
struct LocalFtpServer
{
    static inline const QString User = QStringLiteral("pw");
    static inline const QString Password = QStringLiteral("bench-kode");

    QProcess process;
    int port = 0;

    bool start(const QString &script, const QString &root)
    {
        process.start(
            QStringLiteral("/usr/bin/python3"),
            {script, QStringLiteral("--root"), root, QStringLiteral("--user"), User, QStringLiteral("--password"), Password});
        QByteArray out;
        for (int i = 0; i < 150 && port == 0; ++i) {
            process.waitForReadyRead(100);
            out += process.readAllStandardOutput();
            const qsizetype at = out.indexOf("PORT ");
            const qsizetype end = out.indexOf('\n', at);
            if (at >= 0 && end > at)
                port = out.mid(at + 5, end - at - 5).trimmed().toInt();
        }
        return port > 0;
    }
    ~LocalFtpServer()
    {
        process.kill();
        process.waitForFinished(3000);
    }
};
