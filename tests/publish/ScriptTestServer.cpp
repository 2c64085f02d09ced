#include "ScriptTestServer.h"

#include <QDeadlineTimer>

ScriptTestServer::ScriptTestServer(const QString &scriptName, const QStringList &arguments)
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("/usr/bin/python3"),
                    QStringList{QStringLiteral(PAGEWICK_TEST_SCRIPT_DIR "/") + scriptName} + arguments);
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
