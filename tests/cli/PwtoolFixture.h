#pragma once

// Runs the built pwtool on files in a temporary folder, with its own user
// settings folder and the build's library files.
#include "core/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

struct ToolRun
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

class PwtoolTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    void writeFile(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray readFile(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The settings store the editor uses, in this test's configuration folder.
    QString userSettingsPath() const { return path(QStringLiteral("config/Pagewick/Pagewick.ini")); }

    void writeSetting(const QString &storePath, const QString &key, const QString &value) const
    {
        SettingsStore store(storePath);
        store.writeText(QStringLiteral("Indstillinger"), key, value);
        ASSERT_TRUE(store.flush());
    }

    // Runs pwtool in the test folder, so relative file names are the files' own names.
    ToolRun run(const QStringList &arguments) const
    {
        QProcess process;
        return finish(process, QStringLiteral(PAGEWICK_BIN_DIR "/pwtool"), arguments);
    }

    // Starts pwtool in the test folder without waiting for it.
    void start(QProcess &process, const QStringList &arguments) const
    {
        process.setProcessEnvironment(environment());
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(PAGEWICK_BIN_DIR "/pwtool"), arguments);
    }

    // The same with standard output going to a file, such as /dev/full.
    ToolRun runWithOutputTo(const QString &outputFile, const QStringList &arguments) const
    {
        QProcess process;
        process.setStandardOutputFile(outputFile);
        return finish(process, QStringLiteral(PAGEWICK_BIN_DIR "/pwtool"), arguments);
    }

    // Runs a shell command line, in which "$PWTOOL" names pwtool, under the
    // locale: for file names that are bytes no text gives.
    ToolRun runShell(const QString &commandLine, const QString &locale) const
    {
        QProcess process;
        QProcessEnvironment env = environment();
        env.insert(QStringLiteral("LC_ALL"), locale);
        env.insert(QStringLiteral("PWTOOL"), QStringLiteral(PAGEWICK_BIN_DIR "/pwtool"));
        process.setProcessEnvironment(env);
        return finish(process, QStringLiteral("/bin/sh"), {QStringLiteral("-c"), commandLine});
    }

    QTemporaryDir m_dir;
    QString m_programFolder = QStringLiteral(PAGEWICK_DATA_DIR);
    // Set for every run besides the test's own folders.
    QHash<QString, QString> m_extraEnvironment;

private:
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), path(QStringLiteral("data")));
        env.insert(QStringLiteral("PAGEWICK_PROGRAM_DIR"), m_programFolder);
        for (auto it = m_extraEnvironment.cbegin(); it != m_extraEnvironment.cend(); ++it)
            env.insert(it.key(), it.value());
        return env;
    }

    ToolRun finish(QProcess &process, const QString &program, const QStringList &arguments) const
    {
        if (process.processEnvironment().isEmpty())
            process.setProcessEnvironment(environment());
        process.setWorkingDirectory(m_dir.path());
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        ToolRun result;
        result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = process.readAllStandardOutput();
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }
};
