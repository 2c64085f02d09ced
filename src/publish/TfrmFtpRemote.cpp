// The publishing window's connection, listing and remote file management.
#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "files/FileTexts.h"
#include "publish/ApplySite.h"
#include "publish/FtpLog.h"
#include "publish/FtpPasswordDialog.h"
#include "publish/FtpSitePanel.h"
#include "publish/ListingTexts.h"
#include "publish/RemoteListing.h"
#include "publish/RemoteNameRules.h"
#include "publish/RemotePath.h"
#include "publish/SiteRecord.h"
#include "publish/TSimpleFTP.h"
#include "publish/TfrmFtp.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileIconProvider>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace {

// The cursor of a command that runs while the window still answers.
class BackgroundCursor
{
public:
    BackgroundCursor() { QApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BackgroundCursor() { QApplication::restoreOverrideCursor(); }
    BackgroundCursor(const BackgroundCursor &) = delete;
    BackgroundCursor &operator=(const BackgroundCursor &) = delete;
};

} // namespace

void TfrmFtp::connectToSite()
{
    if (m_connected || m_callDepth > 0)
        return;
    BackgroundCursor cursor;
    QString password = m_panel->password->text();
    if (!m_panel->savePassword->isChecked()) {
        FtpPasswordDialog prompt(this);
        if (!m_services.prompter.runDialog(prompt))
            return;
        password = prompt.password();
    }
    m_connectedSite = m_panel->record();
    applySite(m_connectedSite, password, *m_ftp);
    m_log->setSecret(password);

    showMinimized();
    m_lastError.clear();
    bool connectedNow = false;
    {
        ComponentCall call(*this);
        m_ftp->Disconnect();
        m_listing->model().clear();
        updateCommands();
        connectedNow = m_ftp->Connect();
    }
    if (isMinimized())
        showNormal();
    updateCommands();
    if (!connectedNow && !m_closeAfterCall) {
        const QString reason = m_lastError.isEmpty() ? m_ftp->StateText(fsNoconnection) : m_lastError;
        message(Product::Caption, reason, int(Prompter::Icon::Stop));
    }
}

void TfrmFtp::disconnectFromSite()
{
    if (m_busy
        && m_services.prompter.message({QStringLiteral("Luk forbindelsen"),
                                        QStringLiteral("Der udveksles stadig data mellem din computer og serveren. "
                                                       "Ønsker du alligevel at afslutte?"),
                                        Prompter::Icon::Question, Prompter::Yes | Prompter::No})
            != Prompter::Yes)
        return;
    // Inside a running call only Abort may end the connection.
    if (m_callDepth > 0)
        m_ftp->Abort();
    else
        m_ftp->Disconnect();
}

void TfrmFtp::showState(TWinInetState state)
{
    if ((state == fsConnecting || state == fsConnected || state == fsNameResolved) && isMinimized())
        showNormal();
    const QString text = m_ftp->StateText(state);
    setStatusText(text);
    m_log->add(text);
}

void TfrmFtp::connected()
{
    m_connected = true;
    m_log->add(m_ftp->ConnectResponse());
    m_log->add(QStringLiteral("Forbundet til %1").arg(m_ftp->HostName()));
    updateCommands();
    refreshListing();
}

void TfrmFtp::disconnected()
{
    const bool wasConnected = m_connected;
    m_connected = false;
    m_folders->clear();
    if (wasConnected)
        m_log->add(QStringLiteral("Afkoblet fra %1").arg(m_ftp->HostName()));
    m_countText->clear();
    m_sizeText->clear();
    m_listing->model().clear();
    updateCommands();
}

void TfrmFtp::refreshListing()
{
    if (!m_connected)
        return;
    m_refreshPending = false;
    BackgroundCursor cursor;
    goBusy();
    QList<TFindData> entries;
    qint64 total = 0;
    {
        ComponentCall call(*this);
        const QMetaObject::Connection collect = connect(
            m_ftp, &TSimpleFTP::OnFindItem, this, [this, &entries, &total](const TFindData &found) {
                entries << found;
                if (!found.isFolder())
                    total += found.size();
                setStatusText(QStringLiteral("Opdaterer filoversigt: %1 bytes").arg(total));
            });
        m_listing->model().clear();
        m_ftp->List();
        disconnect(collect);
    }
    m_listing->model().setEntries(entries);
    m_listing->sortByDefault();
    fillFolderList();
    m_countText->setText(QStringLiteral("%1 %2").arg(m_listing->model().rowCount()).arg(QStringLiteral("objekt(er)")));
    m_sizeText->setText(FormatSize(m_listing->model().totalSize()));
    ready();
}

void TfrmFtp::fillFolderList()
{
    static const QFileIconProvider icons;
    m_folders->clear();
    m_folders->addItem(icons.icon(QFileIconProvider::Network), m_ftp->HostName());
    if (m_ftp->FileSystemType() == ftUnix) {
        const QStringList levels = ListingTexts::folderLevels(m_ftp->RemoteDir());
        for (int level = 0; level < levels.size(); ++level) {
            // Indented by level, as a tree of the folders above.
            m_folders->addItem(icons.icon(QFileIconProvider::Folder),
                               QString((level + 1) * 2, QLatin1Char(' ')) + levels.at(level));
        }
    }
    m_folders->setCurrentIndex(m_folders->count() - 1);
}

void TfrmFtp::chooseFolderLevel(int index)
{
    const QStringList levels = ListingTexts::folderLevels(m_ftp->RemoteDir());
    enterFolder(ListingTexts::levelPath(levels, index));
}

void TfrmFtp::enterFolder(const QString &path)
{
    if (!m_connected || m_busy)
        return;
    goBusy();
    setStatusText(QStringLiteral("Skifter mappe..."));
    {
        ComponentCall call(*this);
        m_ftp->ChangeDir(path);
    }
    if (m_connected)
        refreshListing();
    else
        ready();
}

void TfrmFtp::goUp()
{
    const QString parent = RemotePath::parentPath(m_ftp->RemoteDir());
    enterFolder(parent.isEmpty() ? QStringLiteral("/") : parent);
}

bool TfrmFtp::refused(const QString &name, const QString &caption)
{
    const QString problem = RemoteNameRules::problem(name);
    if (problem.isEmpty())
        return false;
    message(caption, problem, int(Prompter::Icon::Warning));
    return true;
}

void TfrmFtp::newRemoteFolder()
{
    if (!m_connected || m_busy)
        return;
    const std::optional<QString> name = m_services.prompter.inputText(QStringLiteral("Ny mappe"),
                                                                      QStringLiteral("Angiv navnet på mappen:"), QString());
    if (!name || refused(*name, QStringLiteral("Ny mappe")))
        return;
    goBusy();
    bool created = false;
    {
        ComponentCall call(*this);
        created = m_ftp->CreateDir(ListingTexts::childPath(m_ftp->RemoteDir(), *name));
    }
    if (!created) {
        const QString failure = QStringLiteral("Fejl under oprettelse af mappen %1").arg(*name);
        m_log->add(failure);
        message(Product::Caption, failure, int(Prompter::Icon::Warning));
    }
    refreshListing();
    ready();
}

void TfrmFtp::deleteSelected()
{
    const QList<int> rows = m_listing->selectedRows();
    if (!m_connected || m_busy || rows.isEmpty())
        return;
    if (m_services.prompter.message(
            {QStringLiteral("Slet filer på Internet"),
             QStringLiteral("Ønsker du at slette %1?").arg(QStringLiteral("de markerede filer og mapper på serveren")),
             Prompter::Icon::Question, Prompter::Yes | Prompter::No})
        != Prompter::Yes)
        return;
    QList<RemoteEntry> chosen;
    for (int row : rows)
        chosen << m_listing->model().entry(row);
    goBusy();
    for (const RemoteEntry &entry : chosen) {
        const QString path = ListingTexts::childPath(m_ftp->RemoteDir(), entry.name());
        bool removed = false;
        {
            ComponentCall call(*this);
            removed = entry.isFolder() ? m_ftp->RemoveDir(path) : m_ftp->DeleteFile(path);
        }
        if (removed)
            continue;
        if (entry.isFolder()) {
            message(QStringLiteral("Programfejl"),
                    QStringLiteral("Mappen %1 kunne ikke slettes. Tjek, at den er tom.").arg(entry.name()),
                    int(Prompter::Icon::Stop));
        } else {
            m_log->add(QStringLiteral("Fejl under sletning af %1").arg(path));
        }
        if (!m_connected)
            break;
    }
    refreshListing();
    ready();
}

void TfrmFtp::renameRemote(const QString &oldName, const QString &newName)
{
    if (!m_connected || m_busy || refused(newName, QStringLiteral("Omdøb")))
        return;
    goBusy();
    setStatusText(QStringLiteral("Omdøber fil"));
    bool renamed = false;
    {
        ComponentCall call(*this);
        renamed = m_ftp->RenameFile(oldName, newName);
    }
    if (renamed) {
        m_refreshPending = true;
        // Carried out once the events of the edit have settled.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!m_refreshPending)
                    return;
                if (m_connected)
                    refreshListing();
                else
                    ready();
            },
            Qt::QueuedConnection);
        return;
    }
    // A failed rename leaves the window ready, with the listing as the server has it.
    const QString failure = QStringLiteral("Fejl under omdøbning af %1 til %2").arg(oldName, newName);
    m_log->add(failure);
    message(Product::Caption, failure, int(Prompter::Icon::Warning));
    refreshListing();
    ready();
}
