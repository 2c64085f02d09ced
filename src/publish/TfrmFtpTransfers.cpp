// The publishing window's transfers: the pending transfer, uploads and downloads.
#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "projects/PublishRecord.h"
#include "publish/DownloadRun.h"
#include "publish/FtpLog.h"
#include "publish/LocalNames.h"
#include "publish/RemoteListing.h"
#include "publish/SiteAddressing.h"
#include "publish/TSimpleFTP.h"
#include "publish/TfrmFtp.h"
#include "publish/TfrmProgress.h"
#include "publish/UploadRun.h"
#include "workbench/PublishRequests.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>

bool TfrmFtp::hasPendingFiles() const
{
    return m_pending.isComplete();
}

void TfrmFtp::clearPending()
{
    m_pending = PendingTransfer();
    m_projectTitle.clear();
}

void TfrmFtp::enableStartWhenConnected()
{
    updateCommands();
}

// A transfer runs below the current event: a second one cannot start inside it.
bool TfrmFtp::refusedWhileBusy()
{
    if (!m_busy && m_callDepth == 0)
        return false;
    message(windowTitle(), QStringLiteral("Vent, til den igangværende overførsel er afsluttet."), int(Prompter::Icon::Warning));
    return true;
}

void TfrmFtp::queueUpload(const QStringList &localPaths, const QString &label)
{
    if (localPaths.isEmpty() || refusedWhileBusy())
        return;
    clearPending();
    m_pending = PendingTransfer::ofFiles(localPaths);
    if (m_connected) {
        startUpload();
        return;
    }
    setStatusText(QStringLiteral("%1 %2 markeret til overførsel til ftp-server").arg(label, QString()));
    updateCommands();
}

void TfrmFtp::queueProject(const ProjectUpload &upload)
{
    if (refusedWhileBusy())
        return;
    clearPending();
    m_pending = PendingTransfer::ofProject(upload.root, upload.relativePaths);
    m_projectTitle = upload.projectTitle;
    updateCommands();
    if (m_connected) {
        message(Product::Caption,
                QStringLiteral("Da forbindelsen til serveren allerede er etableret, skal du sikre dig, at du står i "
                               "projektets rodbibliotek, før du starter overførslen af projektet."),
                int(Prompter::Icon::Information));
        show();
    } else if (const int site = m_sites->findText(upload.projectTitle, Qt::MatchFixedString); site >= 0) {
        selectSite(site);
        show();
    } else {
        message(Product::Caption,
                QStringLiteral("Du har endnu ikke oprettet en forbindelse, der skal gælde ved overførsel af projektet "
                               "\"%1\". Når du har angivet de ønskede indstillinger for overførslen, så gem dem under "
                               "navnet \"%1\", hvis de skal være standardindstillinger for dette projekt.")
                    .arg(upload.projectTitle),
                int(Prompter::Icon::Information));
        m_sites->setCurrentIndex(-1);
        m_sites->setEditText(upload.projectTitle);
        show();
        activateWindow();
        if (!propertiesShown())
            toggleProperties();
    }
    setStatusText(upload.summary);
}

void TfrmFtp::uploadDropped(const QStringList &paths)
{
    if (!m_connected) {
        message(windowTitle(), QStringLiteral("Du skal være forbundet til serveren for at kunne overføre filer."),
                int(Prompter::Icon::Warning));
        return;
    }
    if (refusedWhileBusy())
        return;
    // A dropped folder is passed over: only files are sent.
    QStringList files;
    for (const QString &path : paths) {
        if (QFileInfo(path).isFile())
            files << path;
    }
    if (files.isEmpty())
        return;
    clearPending();
    m_pending = PendingTransfer::ofFiles(files);
    raise();
    activateWindow();
    startUpload();
}

void TfrmFtp::showProgress()
{
    if (!m_progress) {
        m_progress = new TfrmProgress(this);
        connect(m_progress, &TfrmProgress::cancelRequested, m_ftp, &TWinInetControl::Abort);
    }
    m_progress->show();
}

void TfrmFtp::followRun(TransferRun &run)
{
    connect(&run, &TransferRun::fileStarted, m_progress, &TfrmProgress::startFile);
    connect(&run, &TransferRun::fileProgress, m_progress, &TfrmProgress::showProgress);
    connect(&run, &TransferRun::fileFinished, m_progress, &TfrmProgress::finishFile);
    connect(&run, &TransferRun::fileFailed, this, [this](const QString &, const QString &reason) { m_log->add(reason); });
    connect(&run, &TransferRun::problem, m_log, &FtpLog::add);
    connect(&run, &TransferRun::status, this, &TfrmFtp::setStatusText);
}

// Sent files are noted for the site they went to, when that is wanted.
void TfrmFtp::recordInto(UploadRun &run)
{
    const std::optional<QString> site = siteAddress(m_connectedSite);
    if (!site)
        return;
    if (!m_record) {
        m_record = std::make_unique<PublishRecord>(PublishRecord::fileIn(m_services.userDataFolder));
        if (!m_record->open()) {
            m_log->add(m_record->errorText());
            m_record.reset();
            return;
        }
    }
    run.recordIn(*m_record, *site, m_sites->currentText());
}

void TfrmFtp::startUpload()
{
    if (!m_connected || m_busy || !m_pending.isComplete())
        return;
    goBusy();
    showProgress();
    TransferSummary summary;
    {
        ComponentCall call(*this);
        UploadRun run(*m_ftp, m_pending);
        recordInto(run);
        followRun(run);
        summary = run.run();
    }
    clearPending();
    endRun(summary);
    emit filesPublished();
}

void TfrmFtp::endRun(const TransferSummary &summary)
{
    if (m_progress)
        m_progress->hide();
    if (m_connected && !m_closeAfterCall)
        refreshListing();
    else
        ready();
    m_log->add(summary.text());
    setStatusText(summary.text());
}

void TfrmFtp::chooseDownloadFolder()
{
    const QString folder = m_services.prompter.chooseFolder(
        QStringLiteral("Vælg den mappe, du ønsker at overføre de markerede filer til"),
        m_services.localFolder ? m_services.localFolder() : QString());
    if (!folder.isEmpty())
        downloadSelectedInto(folder);
}

void TfrmFtp::downloadSelectedInto(const QString &folder)
{
    if (!m_connected || refusedWhileBusy())
        return;
    QList<TFindData> files;
    QStringList unsafe;
    for (int row : m_listing->selectedRows()) {
        const RemoteEntry &entry = m_listing->model().entry(row);
        if (entry.isFolder())
            continue;
        if (LocalNames::isSafeFileName(entry.name()))
            files << entry.data;
        else
            unsafe << entry.name();
    }
    if (!unsafe.isEmpty()) {
        message(windowTitle(),
                QStringLiteral("Disse filer hentes ikke, fordi deres navne ikke kan bruges som navne på lokale filer:\n%1")
                    .arg(unsafe.join(QLatin1Char('\n'))),
                int(Prompter::Icon::Warning));
    }
    if (files.isEmpty())
        return;
    const QString shownFolder = QDir::toNativeSeparators(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'));
    const QStringList existing = existingTargets(files, folder);
    if (!existing.isEmpty()
        && m_services.prompter.message({QStringLiteral("Henter %1").arg(QStringLiteral("fil(er)")),
                                        QStringLiteral("%1findes i forvejen i mappen %2.\nØnsker du at fortsætte overførslen?")
                                            .arg(existing.join(QLatin1Char('\n')) + QLatin1Char('\n'), shownFolder),
                                        Prompter::Icon::Warning, Prompter::Yes | Prompter::No})
            != Prompter::Yes)
        return;
    clearPending();
    goBusy();
    showProgress();
    TransferSummary summary;
    {
        ComponentCall call(*this);
        DownloadRun run(*m_ftp, files, folder);
        followRun(run);
        summary = run.run();
    }
    if (m_progress)
        m_progress->hide();
    emit localFilesChanged(folder);
    ready();
    m_log->add(summary.text());
    setStatusText(summary.text());
}
