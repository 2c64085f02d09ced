#pragma once

#include "publish/PendingTransfer.h"
#include "publish/TransferRun.h"

class PublishRecord;
struct UploadedFile;

// Sends a pending transfer over a connected TSimpleFTP: first every folder
// to create (ForceDirectories, in order), then each file (PutFile, which
// writes it under a temporary name and renames it when whole). A file that
// fails is told and the run goes on; when the connection ends (Abort, or the
// server goes away) the run ends and the files left count as not sent.
//
// With a publish record, each file's state (size, time, content) is taken
// before it is sent and recorded for the site as soon as it has arrived, so a
// file edited during its upload stays changed, and a run that is killed keeps
// the records of what it sent. A file that failed is never recorded.
class UploadRun : public TransferRun
{
    Q_OBJECT

public:
    UploadRun(TSimpleFTP &ftp, PendingTransfer transfer, QObject *parent = nullptr);

    // Records the sent files for the site (its key, see siteAddress) under
    // its title, which may be empty. Without it nothing is recorded: the
    // window calls it when "Be&nyt arkivflag ved projektopdatering til
    // Internet" is on, as pwtool always does.
    void recordIn(PublishRecord &record, const QString &site, const QString &title);

    // Blocks until every file was tried or the connection ended.
    TransferSummary run();

private:
    bool createFolders();
    void record(const QString &name, const UploadedFile &captured);

    PendingTransfer m_transfer;
    PublishRecord *m_record = nullptr;
    QString m_site;
    QString m_title;
};
