#include "FtpTestServer.h"
#include "ScriptTestServer.h"

FtpTestServer::FtpTestServer(const Options &options)
{
    QStringList arguments = {QStringLiteral(PAGEWICK_FTP_SERVER_SCRIPT),
                             QStringLiteral("--root"),
                             m_root.path(),
                             QStringLiteral("--user"),
                             User,
                             QStringLiteral("--password"),
                             Password};
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
    m_port = startPythonServer(m_process, arguments, m_output);
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
