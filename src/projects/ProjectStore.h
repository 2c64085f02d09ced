#pragma once

#include "projects/ProjectTree.h"

#include <QString>

// The project tree of a run: read from the project file at most once, and
// written back only when it was read.
class ProjectStore
{
public:
    // The project file "projekt.pwp" in the user data folder.
    explicit ProjectStore(const QString &userDataFolder);

    QString filePath() const { return m_path; }
    // Reads the file the first time; later calls keep the tree in memory.
    ProjectTree &load();
    bool isLoaded() const { return m_loaded; }
    ProjectTree &tree() { return m_tree; }

    // Writes the tree (saveProjectFile); nothing is written for a tree that
    // was never loaded. False when writing failed.
    bool save();

private:
    QString m_path;
    ProjectTree m_tree;
    bool m_loaded = false;
};
