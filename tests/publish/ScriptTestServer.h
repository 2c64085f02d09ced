#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// Starts python3 with the arguments and waits up to 15 s for the line
// "PORT <n>" that a test server prints once it listens: the port, or 0.
int startPythonServer(QProcess &process, const QStringList &arguments, QByteArray &output);

// A helper server written in Python (a script beside this file) listening on
// 127.0.0.1 and a free port; stopped when the object goes. The script prints
// "PORT <n>" once it listens, and one line per event the tests count.
class ScriptTestServer
{
public:
    ScriptTestServer(const QString &scriptName, const QStringList &arguments);
    ~ScriptTestServer();

    bool started() const { return m_port > 0; }
    int port() const { return m_port; }
    // Output lines so far that begin with this word and a blank.
    int count(const QByteArray &word);

private:
    QProcess m_process;
    QByteArray m_output;
    int m_port = 0;
};
