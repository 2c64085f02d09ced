#pragma once

#include "core/Progress.h"
#include "files/FileTransfer.h"

#include <QString>
#include <QStringList>

class Prompter;

// What a file operation did, so that its caller knows whether to refresh.
// A folder that was only partly handled can be in both lists.
struct FileOperationOutcome
{
    QStringList changed; // the given paths that were moved, copied, deleted or renamed (at least in part)
    QStringList failed; // the given paths that could not be handled (and were reported)

    bool anyChanged() const { return !changed.isEmpty(); }
};

// Asks whether the file of the same name that stands where a file is going
// is to be replaced: Yes replaces it, No leaves it, Cancel stops the rest.
ClashAnswer askBeforeReplacing(Prompter &prompter, const QString &existingPath);

// Moves files and folders into targetFolder. An entry already in that folder
// is left alone; a name that is taken there is replaced only when the user
// agrees. Across file systems every file is copied and compared before its
// source is deleted. Failures are reported in one message at the end.
FileOperationOutcome moveFiles(const QStringList &paths, const QString &targetFolder, Prompter &prompter,
                               const ConversionProgress &progress = {});

// Copies files and folders (with everything in them) into targetFolder,
// asking before replacing a file there.
FileOperationOutcome copyFiles(const QStringList &paths, const QString &targetFolder, Prompter &prompter,
                               const ConversionProgress &progress = {});

// Moves files and folders to the desktop's trash; what cannot go there is
// deleted for good only when the user agrees.
FileOperationOutcome deleteFiles(const QStringList &paths, Prompter &prompter);

// Gives a file or folder a new name in its folder. A name that is taken, or
// one that is not a plain name, is refused: nothing is ever overwritten.
FileOperationOutcome renameFile(const QString &path, const QString &newName, Prompter &prompter);

// Renames within a folder without replacing anything; a change of letter case
// only is allowed on file systems that ignore case.
bool renameWithoutReplacing(const QString &path, const QString &newPath);

// A name that can be given to a file in a folder: not empty, not "." or "..",
// and without a folder separator.
bool isPlainFileName(const QString &name);
