#include "files/FileOperations.h"

#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "files/FileTransfer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace {

enum class Transfer { Move, Copy };

QString listed(const QString &heading, const QStringList &paths)
{
    QString text = heading;
    for (const QString &path : paths)
        text += QLatin1Char('\n') + QDir::toNativeSeparators(path);
    return text;
}

void reportFailures(Prompter &prompter, const QString &heading, const QStringList &failed)
{
    if (!failed.isEmpty())
        prompter.message({Product::Caption, listed(heading, failed), Prompter::Icon::Warning, Prompter::Ok});
}

// The folder itself or one inside it: a folder cannot go there.
bool liesWithin(const QString &folder, const QString &path)
{
    const QString inner = QFileInfo(path).canonicalFilePath();
    const QString outer = QFileInfo(folder).canonicalFilePath();
    return !outer.isEmpty() && (inner == outer || inner.startsWith(outer + QLatin1Char('/')));
}

FileOperationOutcome transfer(Transfer kind, const QStringList &paths, const QString &targetFolder, Prompter &prompter,
                              const ConversionProgress &progress)
{
    FileOperationOutcome outcome;
    const QString target = QFileInfo(targetFolder).absoluteFilePath();
    FileTransfer transfer([&prompter](const QString &existing) { return askBeforeReplacing(prompter, existing); }, progress,
                          FileTransfer::bytesIn(paths));
    for (const QString &path : paths) {
        if (transfer.stopped())
            break;
        const QFileInfo source(path);
        const bool folder = source.isDir() && !source.isSymLink();
        if (!QFileInfo(target).isDir() || (folder && liesWithin(path, target))) {
            outcome.failed.append(path);
            continue;
        }
        // Already where it is going: nothing to do.
        if (QFileInfo(source.absolutePath()).canonicalFilePath() == QFileInfo(target).canonicalFilePath())
            continue;
        const QString destination = QDir(target).filePath(source.fileName());
        const FileTransfer::Result result = kind == Transfer::Move ? transfer.move(path, destination)
                                                                   : transfer.copy(path, destination);
        if (result.transferred)
            outcome.changed.append(path);
        if (result.failed)
            outcome.failed.append(path);
    }
    reportFailures(prompter,
                   kind == Transfer::Move ? QStringLiteral("Følgende filer kunne ikke flyttes:")
                                          : QStringLiteral("Følgende filer kunne ikke kopieres:"),
                   outcome.failed);
    return outcome;
}

bool entryExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Qt puts a file that finds no trash folder into "files" under the current
// folder and calls that a success; such a file is put back and counts as one
// without a trash.
bool landedInTrash(const QString &path, const QString &pathInTrash)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    const QDir root = QFileInfo(QFileInfo(pathInTrash).absolutePath()).absolutePath();
    const QString rootName = root.dirName();
    if (rootName == QLatin1String("Trash") || rootName.startsWith(QLatin1String(".Trash"))
        || QFileInfo(root.absolutePath()).fileName() == QLatin1String(".Trash"))
        return true;
    if (QFile::rename(pathInTrash, path)) {
        QFile::remove(root.filePath(QStringLiteral("info/") + QFileInfo(pathInTrash).fileName() + QStringLiteral(".trashinfo")));
        root.rmdir(QStringLiteral("info"));
        root.rmdir(QStringLiteral("files"));
    }
    return false;
#else
    Q_UNUSED(path)
    Q_UNUSED(pathInTrash)
    return true;
#endif
}

void refuseRename(Prompter &prompter, const QString &reason)
{
    QString text = QStringLiteral("Der skete en fejl under omdøbningen.");
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    prompter.message({Product::Caption, text, Prompter::Icon::Stop, Prompter::Ok});
}

} // namespace

ClashAnswer askBeforeReplacing(Prompter &prompter, const QString &existingPath)
{
    const QFileInfo existing(existingPath);
    const QString text = QStringLiteral("Der findes allerede en fil med navnet \"%1\" i mappen \"%2\".\nVil du erstatte den?")
                             .arg(existing.fileName(), QDir::toNativeSeparators(existing.absolutePath()));
    switch (
        prompter.message({Product::Caption, text, Prompter::Icon::Question, Prompter::Yes | Prompter::No | Prompter::Cancel})) {
    case Prompter::Yes:
        return ClashAnswer::Replace;
    case Prompter::No:
        return ClashAnswer::Skip;
    default:
        return ClashAnswer::Stop;
    }
}

FileOperationOutcome moveFiles(const QStringList &paths, const QString &targetFolder, Prompter &prompter,
                               const ConversionProgress &progress)
{
    return transfer(Transfer::Move, paths, targetFolder, prompter, progress);
}

FileOperationOutcome copyFiles(const QStringList &paths, const QString &targetFolder, Prompter &prompter,
                               const ConversionProgress &progress)
{
    return transfer(Transfer::Copy, paths, targetFolder, prompter, progress);
}

FileOperationOutcome deleteFiles(const QStringList &paths, Prompter &prompter)
{
    FileOperationOutcome outcome;
    QStringList withoutTrash;
    for (const QString &path : paths) {
        QString pathInTrash;
        if (!entryExists(path))
            outcome.failed.append(path);
        else if (QFile::moveToTrash(path, &pathInTrash) && landedInTrash(path, pathInTrash))
            outcome.changed.append(path);
        else if (entryExists(path))
            withoutTrash.append(path);
        else
            outcome.failed.append(path);
    }
    if (!withoutTrash.isEmpty()) {
        const QString text = listed(QStringLiteral("Følgende filer kan ikke lægges i papirkurven:"), withoutTrash)
            + QStringLiteral("\nVil du slette dem for altid?");
        if (prompter.message({Product::Caption, text, Prompter::Icon::Warning, Prompter::Yes | Prompter::No}) == Prompter::Yes) {
            for (const QString &path : withoutTrash) {
                std::error_code error;
                std::filesystem::remove_all(std::filesystem::path(path.toStdU16String()), error);
                (error ? outcome.failed : outcome.changed).append(path);
            }
        }
    }
    reportFailures(prompter, QStringLiteral("Følgende filer kunne ikke slettes:"), outcome.failed);
    return outcome;
}

bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") && !name.contains(QLatin1Char('/'))
        && !name.contains(QDir::separator()) && !name.contains(QChar(0));
}

bool renameWithoutReplacing(const QString &path, const QString &newPath)
{
    // A taken name is refused, also one held by a dangling link (QFile would
    // copy through it); only the file itself may be found under the new name,
    // when just the letter case changes on a file system that ignores case.
    std::error_code error;
    if (entryExists(newPath)
        && !std::filesystem::equivalent(std::filesystem::path(path.toStdU16String()),
                                        std::filesystem::path(newPath.toStdU16String()), error))
        return false;
    return QFile::rename(path, newPath);
}

FileOperationOutcome renameFile(const QString &path, const QString &newName, Prompter &prompter)
{
    FileOperationOutcome outcome;
    const QFileInfo info(path);
    if (newName == info.fileName())
        return outcome;
    const QString newPath = QDir(info.absolutePath()).filePath(newName);
    if (!isPlainFileName(newName)) {
        refuseRename(prompter, QString());
    } else if (!renameWithoutReplacing(path, newPath)) {
        refuseRename(prompter,
                     entryExists(newPath) ? QStringLiteral("Der findes allerede en fil med navnet \"%1\".").arg(newName)
                                          : QString());
    } else {
        outcome.changed.append(path);
        return outcome;
    }
    outcome.failed.append(path);
    return outcome;
}
