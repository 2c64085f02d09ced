#pragma once

#include <QString>
#include <QStringList>

// Files waiting to be uploaded: each local file with the name it gets on the
// server, relative to the current remote folder ("/" separators, folders
// allowed), and the remote folders to create before the first file.
struct PendingTransfer
{
    QStringList localPaths;
    QStringList remoteNames; // same count and order as localPaths
    QStringList foldersToCreate; // relative to the current remote folder, in order
    bool fromProject = false;

    qsizetype count() const { return localPaths.size(); }
    bool isEmpty() const { return localPaths.isEmpty(); }
    // Ready to start: at least one file, and a remote name for each.
    bool isComplete() const { return !localPaths.isEmpty() && localPaths.size() == remoteNames.size(); }

    void add(const QString &localPath, const QString &remoteName);
    // Drops the file at this position; the folders stay.
    void removeAt(qsizetype index);

    // Files sent under their own names into the current remote folder.
    static PendingTransfer ofFiles(const QStringList &localPaths);
    // A project's (or a folder's) files, given relative to its root with "/"
    // separators: each keeps its place below the current remote folder, and
    // the folder of each (unless it steps outside the root) is created first.
    static PendingTransfer ofProject(const QString &root, const QStringList &relativePaths);
};

// Whether a path relative to a project's root leads out of it ("../x.htm",
// or an absolute path on another drive): such a file lands outside the remote
// folder of the site as well.
bool liesOutsideRoot(const QString &relativePath);

// The remote names of the pending files that lie outside the root, in order.
QStringList filesOutsideRoot(const PendingTransfer &transfer);
