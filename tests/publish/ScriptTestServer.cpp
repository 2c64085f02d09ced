#include "ScriptTestServer.h"

#include <QDeadlineTimer>

int startPythonServer(QProcess &process, const QStringList &arguments, QByteArray &output)
{
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral("/usr/bin/python3"), arguments);
    QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired() && process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(100);
        output += process.readAllStandardOutput();
        const qsizetype at = output.indexOf("PORT ");
        const qsizetype end = output.indexOf('\n', at);
        if (at >= 0 && end > at)
            return output.mid(at + 5, end - at - 5).trimmed().toInt();
    }
    return 0;
}

ScriptTestServer::ScriptTestServer(const QString &scriptName, const QStringList &arguments)
    : m_port(startPythonServer(m_process, QStringList{QStringLiteral(PAGEWICK_TEST_SCRIPT_DIR "/") + scriptName} + arguments,
                               m_output))
{
}

ScriptTestServer::~ScriptTestServer()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

int ScriptTestServer::count(const QByteArray &word)
{
    m_process.waitForReadyRead(50);
    m_output += m_process.readAllStandardOutput();
    int found = 0;
    for (const QByteArray &line : m_output.split('\n')) {
        if (line.startsWith(QByteArray(word).append(' ')))
            ++found;
    }
    return found;
}
