#include "projects/ProjectStore.h"

#include "core/AppFolders.h"
#include "projects/ProjectFile.h"

ProjectStore::ProjectStore(const QString &userDataFolder)
    : m_path(AppFolders::join(userDataFolder, ProjectFileName))
{
}

ProjectTree &ProjectStore::load()
{
    if (!m_loaded) {
        m_tree = loadProjectFile(m_path);
        m_loaded = true;
    }
    return m_tree;
}

bool ProjectStore::save()
{
    return !m_loaded || saveProjectFile(m_tree, m_path);
}
