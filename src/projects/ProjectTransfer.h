#pragma once

#include "files/FileTransfer.h"

#include <QList>
#include <QString>
#include <QStringList>

class ProjectTree;
class PublishRecord;

enum class ProjectTransferKind { Move, Copy };

// A ticked file of a project that did not arrive at the new root folder, and why.
struct ProjectFileFailure
{
    QString path; // relative to the root, as the file list shows it
    QString reason; // a Danish sentence for the user
};

// Moves or copies the files (paths relative to fromRoot, ".." steps allowed)
// to the same places relative to toRoot, creating folders as needed. A file
// already at the target is replaced only when askClash says so. Files whose
// names differ only in letter case are separate files. Gives the files that
// did not arrive, in the order given; `moved` gets the absolute (source,
// target) paths of the files that did.
QList<ProjectFileFailure> transferProjectFiles(ProjectTransferKind kind, const QString &fromRoot, const QString &toRoot,
                                               const QStringList &paths, const ClashQuestion &askClash,
                                               QList<std::pair<QString, QString>> *moved = nullptr,
                                               const ConversionProgress &progress = {});

// Moves a project's ticked files from fromRoot to toRoot and only then, when
// at least one file arrived, gives the project the new root folder; the moved
// files' publish records follow them for every site (record may be null).
// Files that stayed behind keep their place on disk and are given back.
QList<ProjectFileFailure> moveProject(ProjectTree &tree, int project, const QString &fromRoot, const QString &toRoot,
                                      const QStringList &paths, const ClashQuestion &askClash, PublishRecord *record,
                                      const ConversionProgress &progress = {});
