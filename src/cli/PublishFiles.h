#pragma once

#include <QString>
#include <QStringList>

#include <optional>

struct ReferenceMasks;

// The files pwtool publish considers: a project's file list, or every file
// below a folder; each relative to the root with "/" separators.
struct PublishFiles
{
    QString root; // absolute, clean
    QStringList relativePaths;
    QStringList absolutePaths; // clean; same order as relativePaths
};

// The project titled `name` (compared without regard to case) in the project
// file of the user data folder: its documents and the files they refer to
// that exist. Nothing when no project has that title.
std::optional<PublishFiles> projectFiles(const QString &name, const QString &userDataFolder, const ReferenceMasks &masks);

// Every file below the folder; nothing when it is no folder.
std::optional<PublishFiles> folderFiles(const QString &folder);
