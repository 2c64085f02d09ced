#include "publish/DownloadRun.h"

#include "publish/LocalNames.h"
#include "publish/TSimpleFTP.h"

#include <QDir>
#include <QFileInfo>

namespace {

QList<TFindData> filesAmong(const QList<TFindData> &entries)
{
    QList<TFindData> files;
    for (const TFindData &entry : entries) {
        if (!entry.isFolder())
            files.append(entry);
    }
    return files;
}

} // namespace

DownloadRun::DownloadRun(TSimpleFTP &ftp, QList<TFindData> entries, QString localFolder, QObject *parent)
    : TransferRun(ftp, parent)
    , m_files(filesAmong(entries))
    , m_folder(std::move(localFolder))
{
}

TransferSummary DownloadRun::run()
{
    TransferSummary summary;
    summary.count = int(m_files.size());
    QStringList names;
    for (const TFindData &file : std::as_const(m_files))
        names.append(file.name);
    const QDir folder(m_folder);
    for (qsizetype i = 0; i < m_files.size(); ++i) {
        const QString &name = names.at(i);
        emit status(QStringLiteral("Henter %1").arg(name));
        beginFile(name, m_files.at(i).size(), false, int(i + 1), summary.count);
        if (!LocalNames::isSafeFileName(name)) {
            failFile(name, QStringLiteral("Navnet %1 kan ikke bruges som navn på en lokal fil").arg(name), summary);
            continue;
        }
        const QString target = folder.filePath(name);
        const QString reason = attempt([&] { return ftp().GetFile(name, target); },
                                       QStringLiteral("Fejl under hentning af %1 fra %2").arg(name, target));
        if (reason.isEmpty()) {
            finishFile(name, summary);
        } else if (!failFile(name, reason, summary)) {
            leaveRest(names, i + 1, summary);
            break;
        }
    }
    return summary;
}

QStringList existingTargets(const QList<TFindData> &entries, const QString &localFolder)
{
    QStringList existing;
    const QDir folder(localFolder);
    for (const TFindData &file : filesAmong(entries)) {
        if (LocalNames::isSafeFileName(file.name) && QFileInfo::exists(folder.filePath(file.name)))
            existing.append(file.name);
    }
    return existing;
}
