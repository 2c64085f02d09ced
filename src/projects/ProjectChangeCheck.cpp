#include "projects/ProjectChangeCheck.h"

#include "projects/ChangedFiles.h"
#include "projects/PublishRecord.h"

#include <QtConcurrent/QtConcurrentRun>

namespace {

QSet<QString> changedFiles(const QString &recordPath, const QList<ProjectFiles> &projects)
{
    // A connection of the record belongs to the thread that opened it.
    PublishRecord record(recordPath);
    PublishRecord *opened = record.open() ? &record : nullptr;
    QSet<QString> changed;
    for (const ProjectFiles &project : projects) {
        for (const QString &file : changedSinceProjectPublished(opened, project.title, project.files))
            changed.insert(file);
    }
    return changed;
}

} // namespace

ProjectChangeCheck::ProjectChangeCheck(QString recordPath, QObject *parent)
    : QObject(parent)
    , m_recordPath(std::move(recordPath))
{
    m_pool.setMaxThreadCount(1);
    connect(&m_watcher, &QFutureWatcher<QSet<QString>>::finished, this, [this] {
        if (m_next) {
            const QList<ProjectFiles> next = std::move(*m_next);
            m_next.reset();
            run(next);
            return;
        }
        m_running = false;
        Q_EMIT checked(m_watcher.result());
    });
}

ProjectChangeCheck::~ProjectChangeCheck()
{
    m_watcher.disconnect(this);
    m_pool.waitForDone();
}

void ProjectChangeCheck::start(const QList<ProjectFiles> &projects)
{
    if (m_running) {
        m_next = projects;
        return;
    }
    run(projects);
}

void ProjectChangeCheck::run(const QList<ProjectFiles> &projects)
{
    m_running = true;
    m_watcher.setFuture(QtConcurrent::run(&m_pool, changedFiles, m_recordPath, projects));
}
