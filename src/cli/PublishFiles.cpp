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
        const QDir root(files.root);
        for (const ProjectFileRow &row : ProjectFileList(tree, project, masks)) {
            // A missing file cannot be sent, and a web address is no file here.
            if (row.missing || row.icon == LinkIcon::Web || row.path.contains(QLatin1String("://")))
                continue;
            files.relativePaths.append(QDir::cleanPath(fileSystemPath(row.path)));
            files.absolutePaths.append(QDir::cleanPath(root.absoluteFilePath(files.relativePaths.last())));
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
    // The walk gives clean paths below the root, so the relative ones are
    // their ends (tens of thousands of files make this worth it).
    files.absolutePaths = filesBelow(files.root);
    const qsizetype prefix = files.root.endsWith(u'/') ? files.root.size() : files.root.size() + 1;
    files.relativePaths.reserve(files.absolutePaths.size());
    for (const QString &file : std::as_const(files.absolutePaths))
        files.relativePaths.append(file.mid(prefix));
    return files;
}
