#include "projects/ProjectTransfer.h"

#include "projects/ProjectPaths.h"
#include "projects/ProjectTree.h"
#include "projects/PublishRecord.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Why a file the transfer could not handle stayed where it was, as far as the
// file system tells: the usual causes are rights on one of the two folders.
QString failureReason(ProjectTransferKind kind, const QString &source, const QString &target)
{
    const QFileInfo from(source);
    const QFileInfo targetFolder(QFileInfo(target).absolutePath());
    if (!targetFolder.isWritable())
        return QStringLiteral("Der kan ikke skrives i mappen %1.").arg(shown(targetFolder.absoluteFilePath()));
    if (!from.isReadable())
        return QStringLiteral("Filen kan ikke læses.");
    if (kind == ProjectTransferKind::Move && !QFileInfo(from.absolutePath()).isWritable())
        return QStringLiteral("Filen kan ikke fjernes fra mappen %1.").arg(shown(from.absolutePath()));
    return kind == ProjectTransferKind::Move ? QStringLiteral("Filen kunne ikke flyttes.")
                                             : QStringLiteral("Filen kunne ikke kopieres.");
}

} // namespace

QList<ProjectFileFailure> transferProjectFiles(ProjectTransferKind kind, const QString &fromRoot, const QString &toRoot,
                                               const QStringList &paths, const ClashQuestion &askClash,
                                               QList<std::pair<QString, QString>> *moved, const ConversionProgress &progress)
{
    QStringList sources;
    for (const QString &path : paths)
        sources.append(documentFile(fromRoot, path));
    FileTransfer transfer(askClash, progress, FileTransfer::bytesIn(sources));
    const QString stoppedReason = kind == ProjectTransferKind::Move ? QStringLiteral("Flytningen blev afbrudt.")
                                                                    : QStringLiteral("Kopieringen blev afbrudt.");
    QList<ProjectFileFailure> failures;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString &path = paths.at(i);
        const QString &source = sources.at(i);
        const QString target = documentFile(toRoot, path);
        const QFileInfo from(source);
        if (transfer.stopped()) {
            failures.append({path, stoppedReason});
            continue;
        }
        if (!from.isFile()) {
            failures.append(
                {path, from.exists() ? QStringLiteral("Stien er ikke en fil.") : QStringLiteral("Filen findes ikke.")});
            continue;
        }
        if (source == target)
            continue;
        const QString targetFolder = QFileInfo(target).absolutePath();
        if (!QDir().mkpath(targetFolder)) {
            failures.append({path, QStringLiteral("Mappen %1 kan ikke oprettes.").arg(shown(targetFolder))});
            continue;
        }
        const FileTransfer::Result result = kind == ProjectTransferKind::Move ? transfer.move(source, target)
                                                                              : transfer.copy(source, target);
        if (result.transferred && moved)
            moved->append({source, target});
        if (result.transferred && result.failed)
            failures.append(
                {path, QStringLiteral("Filen blev kopieret til den nye mappe, men kunne ikke fjernes fra den gamle.")});
        else if (result.failed)
            failures.append({path, failureReason(kind, source, target)});
        else if (!result.transferred)
            failures.append({path,
                             transfer.stopped()
                                 ? stoppedReason
                                 : QStringLiteral("Der er allerede en fil af samme navn; den blev ikke erstattet.")});
    }
    return failures;
}

QList<ProjectFileFailure> moveProject(ProjectTree &tree, int project, const QString &fromRoot, const QString &toRoot,
                                      const QStringList &paths, const ClashQuestion &askClash, PublishRecord *record,
                                      const ConversionProgress &progress)
{
    QList<std::pair<QString, QString>> moved;
    const QList<ProjectFileFailure> failures = transferProjectFiles(ProjectTransferKind::Move, fromRoot, toRoot, paths, askClash,
                                                                    &moved, progress);
    // The root follows the files, never the other way round: a move that
    // brought nothing over leaves the project naming its files where they are.
    if (moved.isEmpty() && failures.size() == paths.size())
        return failures;
    tree.setRootFolder(project, toRoot, false);
    if (record) {
        for (const auto &[from, to] : moved)
            record->moveFile(from, to);
    }
    return failures;
}
