#pragma once

// The main window over a temporary program folder (empty data files) and a
// settings file of its own, shown, with prompts that must not come.
#include "BenchSupport.h"
#include "app/TfrmPW4.h"
#include "core/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

class BenchWindow
{
public:
    BenchWindow()
        : m_store(prepare(m_dir))
        , m_window({m_store, m_prompter, m_dir.filePath(QStringLiteral("program/")), m_dir.filePath(QStringLiteral("data/"))})
    {
        m_window.resize(1000, 700);
        m_window.show();
        QCoreApplication::processEvents();
    }

    TfrmPW4 &window() { return m_window; }
    QuietPrompter &prompter() { return m_prompter; }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    static QString prepare(const QTemporaryDir &dir)
    {
        QDir().mkpath(dir.filePath(QStringLiteral("program")));
        for (const char *name : {"eventmap.dat", "globalmap.dat", "html4bib.dat"})
            writeFile(dir.filePath(QStringLiteral("program/") + QString::fromLatin1(name)), "");
        return dir.filePath(QStringLiteral("Pagewick.ini"));
    }

    QTemporaryDir m_dir;
    SettingsStore m_store;
    QuietPrompter m_prompter;
    TfrmPW4 m_window;
};
