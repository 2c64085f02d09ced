#include "publish/PendingTransfer.h"

#include <QDir>
#include <QFileInfo>

void PendingTransfer::add(const QString &localPath, const QString &remoteName)
{
    localPaths.append(localPath);
    remoteNames.append(remoteName);
}

void PendingTransfer::removeAt(qsizetype index)
{
    localPaths.removeAt(index);
    remoteNames.removeAt(index);
}

PendingTransfer PendingTransfer::ofFiles(const QStringList &localPaths)
{
    PendingTransfer transfer;
    for (const QString &path : localPaths)
        transfer.add(path, QFileInfo(path).fileName());
    return transfer;
}

PendingTransfer PendingTransfer::ofProject(const QString &root, const QStringList &relativePaths)
{
    PendingTransfer transfer;
    transfer.fromProject = true;
    const QDir rootFolder(root);
    for (const QString &relative : relativePaths) {
        const QString remote = QDir::cleanPath(QDir::fromNativeSeparators(relative));
        transfer.add(QDir::cleanPath(rootFolder.absoluteFilePath(remote)), remote);
        const qsizetype slash = remote.lastIndexOf(u'/');
        if (slash <= 0)
            continue;
        const QString folder = remote.left(slash);
        // Hidden folders (".well-known") are made like any other; a folder
        // outside the root is the server's own business.
        if (!liesOutsideRoot(folder) && !transfer.foldersToCreate.contains(folder))
            transfer.foldersToCreate.append(folder);
    }
    return transfer;
}

bool liesOutsideRoot(const QString &relativePath)
{
    const QString path = QDir::cleanPath(QDir::fromNativeSeparators(relativePath));
    return path == u".." || path.startsWith(QLatin1String("../")) || QDir::isAbsolutePath(path);
}

QStringList filesOutsideRoot(const PendingTransfer &transfer)
{
    QStringList outside;
    for (const QString &name : transfer.remoteNames) {
        if (liesOutsideRoot(name))
            outside.append(name);
    }
    return outside;
}
