#pragma once

#include "publish/FtpTypes.h"
#include "publish/TransferRun.h"

#include <QList>

// Fetches remote files of the current remote folder into a local folder.
// Each file is written beside its target under a temporary name and takes
// the target's place only when it is whole, so a failed or stopped download
// leaves an older local file as it was. A name from the server that is no
// safe local file name is refused and told, never written. Folders among the
// entries are passed over.
class DownloadRun : public TransferRun
{
    Q_OBJECT

public:
    DownloadRun(TSimpleFTP &ftp, QList<TFindData> entries, QString localFolder, QObject *parent = nullptr);

    // Blocks until every file was tried or the connection ended.
    TransferSummary run();

private:
    QList<TFindData> m_files;
    QString m_folder;
};

// The names among the entries' files that exist already in the local folder,
// for the question whether to fetch them anyway.
QStringList existingTargets(const QList<TFindData> &entries, const QString &localFolder);
