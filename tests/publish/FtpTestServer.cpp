#include "FtpTestServer.h"

#include <QDeadlineTimer>

FtpTestServer::FtpTestServer(const Options &options)
{
    QStringList arguments = {QStringLiteral(PAGEWICK_FTP_SERVER_SCRIPT), QStringLiteral("--root"), m_root.path(),
                             QStringLiteral("--user"), User, QStringLiteral("--password"), Password};
    if (options.tls)
        arguments << QStringLiteral("--tls") << m_certificates.path();
    if (options.throttleBytesPerSecond > 0)
        arguments << QStringLiteral("--throttle") << QString::number(options.throttleBytesPerSecond);
    if (options.noMachineListing)
        arguments << QStringLiteral("--no-mlsd");
    if (options.noRename)
        arguments << QStringLiteral("--no-rename");
    if (options.silent)
        arguments << QStringLiteral("--silent");
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("/usr/bin/python3"), arguments);
    QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired() && m_process.state() != QProcess::NotRunning) {
        m_process.waitForReadyRead(100);
        m_output += m_process.readAllStandardOutput();
        const qsizetype at = m_output.indexOf("PORT ");
        const qsizetype end = m_output.indexOf('\n', at);
        if (at >= 0 && end > at) {
            m_port = m_output.mid(at + 5, end - at - 5).trimmed().toInt();
            break;
        }
    }
}

FtpTestServer::FtpTestServer()
    : FtpTestServer(Options())
{
}

FtpTestServer::~FtpTestServer()
{
    kill();
}

int FtpTestServer::logins()
{
    m_process.waitForReadyRead(50);
    m_output += m_process.readAllStandardOutput();
    return int(m_output.count("LOGIN "));
}

void FtpTestServer::kill()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}
