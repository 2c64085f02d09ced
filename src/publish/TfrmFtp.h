#pragma once

#include "publish/FtpTypes.h"
#include "publish/PendingTransfer.h"
#include "publish/SiteStore.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class FtpLog;
class PublishRecord;
class TfrmProgress;
class TransferRun;
class UploadRun;
struct ProjectUpload;
struct TransferSummary;
class FtpSitePanel;
class HelpLine;
class Prompter;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QToolButton;
class RemoteListing;
class SettingsStore;
class TSimpleFTP;

// What the publishing window needs from the program around it.
struct FtpWindowServices
{
    SettingsStore &settings;
    Prompter &prompter;
    // Where "ftp.log" is written.
    QString userDataFolder;
    // The folder the file list shows: where "Overfør til..." starts.
    std::function<QString()> localFolder;
    // The main window's document area on the screen, which the window
    // covers when it opens; empty: the window keeps its own place.
    std::function<QRect()> documentArea;
    // Where the sites' passwords are kept.
    SiteStore::PasswordPlace passwordPlace = SiteStore::PasswordPlace::DesktopWhenRunning;
};

// "Overførsel til Internet": the saved sites, the connection to one of
// them, the server's folders and the management of remote files.
class TfrmFtp : public QMainWindow
{
    Q_OBJECT

public:
    TfrmFtp(const FtpWindowServices &services, QWidget *parent = nullptr);
    ~TfrmFtp() override;

    // The window's commands by name ("actTilslut", "actStart", ...).
    QAction *command(const QString &name) const;
    TSimpleFTP &ftp() { return *m_ftp; }
    RemoteListing &listing() { return *m_listing; }
    FtpSitePanel &sitePanel() { return *m_panel; }
    FtpLog &log() { return *m_log; }
    HelpLine &helpLine() { return *m_help; }
    QComboBox &siteList() { return *m_sites; }
    QComboBox &folderList() { return *m_folders; }
    QString statusText() const;
    void setStatusText(const QString &text);

    bool isConnected() const { return m_connected; }
    bool isBusy() const { return m_busy; }

    // "Tilslut", "Afbryd forbindelsen".
    void connectToSite();
    void disconnectFromSite();
    void refreshListing();
    void enterFolder(const QString &path);
    void goUp();
    // "Opret ny mappe", remote "Slet", and the end of an in-place rename.
    void newRemoteFolder();
    void deleteSelected();
    void renameRemote(const QString &oldName, const QString &newName);

    // Queues files to send under their own names into the current remote
    // folder, and sends them at once when connected.
    void queueUpload(const QStringList &localPaths, const QString &label);
    // Queues the ticked files of a project with their folders and prepares
    // the site titled like the project.
    void queueProject(const ProjectUpload &upload);
    const PendingTransfer &pending() const { return m_pending; }
    // "Start overførsel": sends the pending transfer.
    void startUpload();
    // Fetches the selected remote files into a local folder ("Overfør til...",
    // or entries dragged onto the file list).
    void downloadSelectedInto(const QString &folder);
    // Files dropped on the listing: sent at once.
    void uploadDropped(const QStringList &paths);
    // The window is shown again: "Start overførsel" follows the connection.
    void enableStartWhenConnected();
    TfrmProgress *progressWindow() const;

    // "Ny", "Gem forbindelse", site "Slet", "Forbindelsens egenskaber".
    void newSite();
    void saveSite();
    void deleteSite();
    // Chooses the site at this position of the site list and shows it.
    void selectSite(int index);
    void toggleProperties();
    bool propertiesShown() const;

signals:
    // A download changed files in this local folder.
    void localFilesChanged(const QString &folder);
    // A project was dropped on the listing: its file picker should open.
    void projectDropped(const QString &title);
    // An upload ended: the files it sent are in the publish record now.
    void filesPublished();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // A blocking call of the component: the window counts it, so that
    // closing waits for it, and a close asked for meanwhile happens once it
    // has returned.
    class ComponentCall
    {
    public:
        explicit ComponentCall(TfrmFtp &window)
            : m_window(window)
        {
            ++m_window.m_callDepth;
        }
        ~ComponentCall() { m_window.finishCall(); }
        ComponentCall(const ComponentCall &) = delete;
        ComponentCall &operator=(const ComponentCall &) = delete;

    private:
        TfrmFtp &m_window;
    };

    void fillSiteList();
    void loadSite(const QString &title);
    void buildCommands();
    void buildMenus();
    void buildToolBar();
    void buildLayout();
    void placeWindow();
    QAction *addCommand(const char *name, const QString &caption, const QString &keys = QString());

    void showState(TWinInetState state);
    void connected();
    void disconnected();
    void goBusy();
    void ready();
    void updateCommands();
    void fillFolderList();
    void chooseFolderLevel(int index);
    void showListingMenu(const QPoint &globalPosition);
    void setView(int view);
    void stepView();
    void writeWindowSettings();
    void finishCall();
    bool refused(const QString &name, const QString &caption);
    void message(const QString &caption, const QString &text, int icon);
    bool hasPendingFiles() const;
    void clearPending();
    bool refusedWhileBusy();
    void chooseDownloadFolder();
    void followRun(TransferRun &run);
    void showProgress();
    void endRun(const TransferSummary &summary);
    void recordInto(UploadRun &run);

    FtpWindowServices m_services;
    std::unique_ptr<SiteStore> m_siteStore;
    TSimpleFTP *m_ftp;
    HelpLine *m_help;
    RemoteListing *m_listing;
    FtpSitePanel *m_panel;
    FtpLog *m_log;
    QWidget *m_propertiesArea;
    QComboBox *m_sites;
    QComboBox *m_folders;
    QLabel *m_statusText;
    QLabel *m_countText;
    QLabel *m_sizeText;
    QToolButton *m_viewButton;
    QMenu *m_viewMenu;
    QMenu *m_arrangeMenu;
    QHash<QString, QAction *> m_commands;
    QString m_lastError;
    // The project whose files are pending: the title proposed for the site.
    QString m_projectTitle;
    PendingTransfer m_pending;
    QPointer<TfrmProgress> m_progress;
    std::unique_ptr<PublishRecord> m_record;
    SiteRecord m_connectedSite; // the fields the connection was made with

    bool m_connected = false;
    bool m_busy = false;
    bool m_refreshPending = false;
    // Calls of the component still running below the current event: the
    // window and its component stay until the last one has returned.
    int m_callDepth = 0;
    bool m_closeAfterCall = false;
};
