#include "cli/PublishFiles.h"

#include "core/AppFolders.h"
#include "html/DocumentReferences.h"
#include "projects/FolderFiles.h"
#include "projects/ProjectFile.h"
#include "projects/ProjectFileList.h"
#include "projects/ProjectPaths.h"

#include <QDir>
#include <QFileInfo>

std::optional<PublishFiles> projectFiles(const QString &name, const QString &userDataFolder, const ReferenceMasks &masks)
{
    const ProjectTree tree = loadProjectFile(AppFolders::join(userDataFolder, ProjectFileName));
    for (int project = 0; project < tree.projectCount(); ++project) {
        if (tree.title(project).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        PublishFiles files;
        files.root = QDir::cleanPath(fileSystemPath(tree.rootFolder(project)));
        for (const ProjectFileRow &row : ProjectFileList(tree, project, masks)) {
            // A missing file cannot be sent, and a web address is no file here.
            if (!row.missing && row.icon != LinkIcon::Web && !row.path.contains(QLatin1String("://")))
                files.relativePaths.append(QDir::cleanPath(fileSystemPath(row.path)));
        }
        return files;
    }
    return std::nullopt;
}

std::optional<PublishFiles> folderFiles(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        return std::nullopt;
    PublishFiles files;
    files.root = QDir::cleanPath(info.absoluteFilePath());
    const QDir root(files.root);
    for (const QString &file : filesBelow(files.root))
        files.relativePaths.append(root.relativeFilePath(file));
    return files;
}
