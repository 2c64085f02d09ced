#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QThreadPool>

#include <optional>

// A project's title (which names its site in the publish record) and its files.
struct ProjectFiles
{
    QString title;
    QStringList files; // absolute, clean
};

// Finds, away from the thread that asks, which files of the projects changed
// since each project was last published (changedSinceProjectPublished). A
// check asked for while one runs follows it with the newest question.
class ProjectChangeCheck : public QObject
{
    Q_OBJECT

public:
    // The publish record's database file.
    explicit ProjectChangeCheck(QString recordPath, QObject *parent = nullptr);
    ~ProjectChangeCheck() override;

    void start(const QList<ProjectFiles> &projects);
    // Until the answer has been told.
    bool isRunning() const { return m_running; }

signals:
    // The changed files of the last check started.
    void checked(const QSet<QString> &changed);

private:
    void run(const QList<ProjectFiles> &projects);

    QString m_recordPath;
    QThreadPool m_pool; // its own thread: the check hashes on the shared pool's threads
    QFutureWatcher<QSet<QString>> m_watcher;
    std::optional<QList<ProjectFiles>> m_next;
    bool m_running = false;
};
