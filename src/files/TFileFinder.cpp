#include "files/TFileFinder.h"

#include <QCoreApplication>
#include <QDir>

TFileFinder::TFileFinder(QObject *parent)
    : QObject(parent)
    , m_rootFolder(QDir::rootPath())
{
}

bool TFileFinder::matchesAll() const
{
    const QString filter = m_fileFilter.trimmed();
    return filter.isEmpty() || filter == QLatin1String("*.*") || filter == QLatin1String("*");
}

void TFileFinder::execute()
{
    if (m_running)
        return;
    m_running = true;
    m_stopRequested = false;
    m_searched.clear();
    search(m_rootFolder);
    m_searched.clear();
    m_running = false;
    emit finished();
}

void TFileFinder::search(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || m_searched.contains(canonical))
        return;
    m_searched.insert(canonical);

    QDir dir(folder);
    QDir::Filters hiddenAndSystem;
    if (m_fileAttr & Hidden)
        hiddenAndSystem |= QDir::Hidden;
    if (m_fileAttr & System)
        hiddenAndSystem |= QDir::System;

    // Listed apart from the entries, as the filter need not match folder names.
    const QStringList subfolders = m_subFolders
        ? dir.entryList(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::NoSymLinks | hiddenAndSystem, QDir::Name)
        : QStringList();

    QDir::Filters filters = QDir::Files | QDir::NoDotAndDotDot | hiddenAndSystem;
    if (m_fileAttr & Directory)
        filters |= QDir::Dirs;
    if (!matchesAll())
        dir.setNameFilters(m_fileFilter.split(QLatin1Char(';'), Qt::SkipEmptyParts));
    const QFileInfoList entries = dir.entryInfoList(filters, QDir::Name);
    const QString directory = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    for (const QFileInfo &entry : entries) {
        emit fileFound(directory, entry);
        if (m_processMessages)
            QCoreApplication::processEvents();
        if (m_stopRequested)
            return;
    }

    for (const QString &name : subfolders) {
        search(directory + name);
        if (m_stopRequested)
            return;
    }
}
