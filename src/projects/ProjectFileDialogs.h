#pragma once

#include "projects/ProjectFileList.h"

#include <QString>

#include <functional>

class ProjectTree;
class PublishRecord;
class Workbench;

// Opens the project file dialog in its modes for a project of the tree and
// carries out what its "OK" asks for: handing the ticked files to the
// publishing window, or moving or copying the project to another folder.
class ProjectFileDialogs
{
public:
    // record: the publish record, or null when it cannot be opened;
    // treeChanged: the project was given another root folder.
    ProjectFileDialogs(Workbench &workbench, std::function<PublishRecord *()> record, std::function<void()> treeChanged);

    void showProperties(ProjectTree &tree, int project);
    void upload(ProjectTree &tree, int project);
    // Ask for the new root folder first; nothing happens when it is cancelled.
    void moveTo(ProjectTree &tree, int project);
    void copyTo(ProjectTree &tree, int project);

private:
    // The project's files, with the main window's status bar telling the work.
    QList<ProjectFileRow> collectRows(const ProjectTree &tree, int project);
    void transferTo(ProjectTree &tree, int project, bool move);

    Workbench &m_workbench;
    std::function<PublishRecord *()> m_record;
    std::function<void()> m_treeChanged;
};
