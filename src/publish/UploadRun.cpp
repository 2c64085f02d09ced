#include "publish/UploadRun.h"

#include "projects/PublishRecord.h"
#include "publish/TSimpleFTP.h"

#include <QFileInfo>

#include <optional>

UploadRun::UploadRun(TSimpleFTP &ftp, PendingTransfer transfer, QObject *parent)
    : TransferRun(ftp, parent)
    , m_transfer(std::move(transfer))
{
}

void UploadRun::recordIn(PublishRecord &record, const QString &site, const QString &title)
{
    m_record = &record;
    m_site = site;
    m_title = title;
}

bool UploadRun::createFolders()
{
    for (const QString &folder : std::as_const(m_transfer.foldersToCreate)) {
        const QString reason = attempt([&] { return ftp().ForceDirectories(folder); },
                                       QStringLiteral("Fejl under oprettelse af mappen %1").arg(folder));
        if (reason.isEmpty())
            continue;
        emit problem(reason);
        // The files of a missing folder fail on their own and say so.
        if (!ftp().Connected())
            return false;
    }
    return true;
}

void UploadRun::record(const QString &name, const UploadedFile &captured)
{
    if (m_record && !m_record->record(m_site, {captured}, m_title))
        emit problem(QStringLiteral("%1 blev overført, men overførslen kunne ikke noteres: %2").arg(name, m_record->errorText()));
}

TransferSummary UploadRun::run()
{
    TransferSummary summary;
    summary.count = int(m_transfer.count());
    const QStringList &names = m_transfer.remoteNames;
    if (names.size() != m_transfer.localPaths.size()) {
        emit problem(QStringLiteral("Overførslen mangler navnet på serveren for nogle af filerne og startes ikke"));
        summary.notSent = m_transfer.localPaths;
        return summary;
    }
    if (!createFolders()) {
        leaveRest(names, 0, summary);
        return summary;
    }
    for (qsizetype i = 0; i < m_transfer.count(); ++i) {
        const QString &local = m_transfer.localPaths.at(i);
        const QString &remote = names.at(i);
        emit status(QStringLiteral("Sender %1").arg(local));
        // Taken before sending: an edit made meanwhile is not recorded as sent.
        const std::optional<UploadedFile> captured = m_record ? captureFile(local) : std::nullopt;
        beginFile(remote, QFileInfo(local).size(), true, int(i + 1), summary.count);
        const QString reason = attempt([&] { return ftp().PutFile(local, remote); },
                                       QStringLiteral("Fejl under overførsel af %1 til %2").arg(local, remote));
        if (!reason.isEmpty()) {
            if (!failFile(remote, reason, summary)) {
                leaveRest(names, i + 1, summary);
                break;
            }
            continue;
        }
        if (captured)
            record(remote, *captured);
        finishFile(remote, summary);
    }
    return summary;
}
