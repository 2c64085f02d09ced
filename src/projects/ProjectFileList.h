#pragma once

#include "html/DocumentReferences.h"
#include "projects/ProjectTree.h"

#include <QList>
#include <QString>

#include <functional>

// A row of a project's file list.
struct ProjectFileRow
{
    QString path; // relative to the project's root folder, with backslashes; a web address as written
    QString title; // a document's title, a reference's description
    QString type; // "HTML" for a document, else the reference's kind
    QString size; // the size as text; empty for a missing file
    bool document = false;
    LinkIcon icon = LinkIcon::LocalFile; // the kind of a reference
    bool missing = false; // no file at the root folder plus the path
};

// The documents of a project in tree order, each followed by the resources
// it refers to (its links of the kinds link, script, picture, background and
// embedded object that lead to files other than pages, and the "url( )"
// references of its own text), all paths relative to the project's root.
// Each path is listed once, compared exactly: files whose names differ only
// in letter case are different files. `documentDone` is told after each
// document.
QList<ProjectFileRow> ProjectFileList(const ProjectTree &tree, int project, const ReferenceMasks &masks,
                                      const std::function<void()> &documentDone = {});
