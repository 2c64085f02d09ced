#include "FtpTestServer.h"
#include "ScriptTestServer.h"

FtpTestServer::FtpTestServer(const Options &options)
    : m_rootPath(options.root.isEmpty() ? m_root.path() : options.root)
{
    QStringList arguments = {QStringLiteral(PAGEWICK_FTP_SERVER_SCRIPT),
                             QStringLiteral("--root"),
                             m_rootPath,
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
    if (options.noRenameOver)
        arguments << QStringLiteral("--no-rename-over");
    if (options.silent)
        arguments << QStringLiteral("--silent");
    if (options.journal)
        arguments << QStringLiteral("--journal");
    if (options.port > 0)
        arguments << QStringLiteral("--port") << QString::number(options.port);
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

QStringList FtpTestServer::journal()
{
    // The server writes its last lines a moment after the client is done.
    while (m_process.waitForReadyRead(100))
        m_output += m_process.readAllStandardOutput();
    m_output += m_process.readAllStandardOutput();
    QStringList lines;
    for (const QByteArray &line : m_output.split('\n')) {
        if (line.startsWith("CONNECT") || line.startsWith("CMD "))
            lines.append(QString::fromUtf8(line));
    }
    return lines;
}

void FtpTestServer::kill()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}
