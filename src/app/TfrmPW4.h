#pragma once

#include "app/MainWindowState.h"
#include "documents/DocumentList.h"
#include "resources/LibraryIndex.h"
#include "resources/LibraryLists.h"
#include "workbench/PublishRequests.h"
#include "workbench/Workbench.h"

#include <QMainWindow>

class CodeCompletion;
class DocumentCommands;
class EditorCommands;
class FileDropOpener;
class HtmlCommands;
class LibraryTab;
class QAction;
class QSplitter;
class QTabWidget;
class QTreeWidget;
class DialogCommands;
class SearchCommands;
class ShellCommands;
class TfrmIndstil;
class TfrmSplash;
struct DocumentEditorLook;

// What the main window is given by the program (or by a test).
struct MainWindowServices
{
    SettingsStore &settings;
    Prompter &prompter;
    QString programFolder; // shipped data, ending with "/"
    QString defaultUserDataFolder; // ending with "/"
};

// The main window: resource panel, document tabs, results list and status
// bar. It lays them out and offers them to the parts of the program, which
// attach their commands themselves.
class TfrmPW4 : public QMainWindow, public Workbench
{
    Q_OBJECT

public:
    explicit TfrmPW4(const MainWindowServices &services, QWidget *parent = nullptr);
    ~TfrmPW4() override;

    // Files of the command line ("path?" each), opened when the window is first shown.
    void setCommandLineFiles(const QString &fileListText) { m_commandLineFiles = fileListText; }
    // Shows the window in the state stored at the last shutdown.
    void showAsStored();
    // Hides and deletes the start-up window when the main window is first shown.
    void setSplash(TfrmSplash *splash) { m_splash = splash; }
    // Opens each listed path ("path?" each) that names an existing file, in order.
    void OpenFiles(const QString &fileListText);
    // Files handed over by a second start: open them and come to the front.
    void receiveHandOver(const QString &fileListText);

    TLEdit *ActiveEditor() const { return &activeEditor(); }
    // A command of the menus or toolbars by its id ("actFed"), or null.
    QAction *command(const QString &id) const;

    // The lists built from the libraries and the text maps, and the library files.
    LibraryLists &libraryLists() { return m_libraryLists; }
    const QStringList &ElementNames() const { return m_libraryLists.ElementNames; }
    const QStringList &EventMap() const { return m_libraryLists.EventMap; }
    const QStringList &GlobalAttributeMap() const { return m_libraryLists.GlobalAttributeMap; }
    LibraryTab *libraryTab() const { return m_libraryTab; }
    QTabWidget *resourcePanel() const { return m_resourcePanel; }
    QSplitter *mainSplitter() const { return m_splitter; }
    QTreeWidget *resultsList() const { return m_results; }
    TFriendlyStatusBar *statusPanels() const { return m_status; }
    TfrmIndstil *settingsDialog() const { return m_settingsDialog; }
    QString userDataFolder() const { return m_userDataFolder; }

    // The parts of the program in the window.
    DocumentCommands &documentCommands() const { return *m_documentCommands; }
    EditorCommands &editorCommands() const { return *m_editorCommands; }
    HtmlCommands &htmlCommands() const { return *m_htmlCommands; }
    SearchCommands &searchCommands() const { return *m_searchCommands; }
    DialogCommands &dialogCommands() const { return *m_dialogCommands; }
    CodeCompletion &codeCompletion() const { return *m_completion; }
    ShellCommands &shellCommands() const { return *m_shellCommands; }

    // Workbench
    QWidget &window() override { return *this; }
    TLEdit &activeEditor() const override;
    DocumentList &documents() override { return m_documents; }
    DocumentArea &documentArea() override { return *m_documentArea; }
    OptionsModel &options() override { return *m_options; }
    Prompter &prompter() override { return m_prompter; }
    SettingsStore &settings() override { return m_settings; }
    TFriendlyStatusBar &status() override { return *m_status; }
    CommandRegistry &commands() override { return *m_commands; }
    QString programFolder() const override { return m_programFolder; }
    void showResourcePage(QWidget &page) override;
    PublishRequests &publishRequests() override { return m_publishRequests; }

Q_SIGNALS:
    // The window has been shown for the first time and has opened the command line's files.
    void firstShownDone();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void attachParts();
    void setUpEditor(TLEdit &editor);
    void loadTextMaps();
    void reportUnreadableSettings();
    void settleUserDataFolder();
    void restoreState();
    void takeFirstPlace();
    void firstShown();
    void updateStatusLayout();
    DocumentEditorLook editorLook() const;
    void applySettings();
    void refreshElementNames();
    void setResourcePanelShown(bool shown);
    void writeState();

    SettingsStore &m_settings;
    Prompter &m_prompter;
    QString m_programFolder;
    QString m_defaultUserDataFolder;
    QString m_userDataFolder;
    LibraryLists m_libraryLists;
    LibraryFiles m_libraryFiles;
    MainWindowState m_state;
    QString m_commandLineFiles;
    DocumentList m_documents;
    PublishRequests m_publishRequests;
    bool m_shownOnce = false;

    OptionsModel *m_options = nullptr;
    CommandRegistry *m_commands = nullptr;
    TfrmSplash *m_splash = nullptr;
    TfrmIndstil *m_settingsDialog = nullptr;
    QSplitter *m_splitter = nullptr;
    QTabWidget *m_resourcePanel = nullptr;
    LibraryTab *m_libraryTab = nullptr;
    DocumentArea *m_documentArea = nullptr;
    QTreeWidget *m_results = nullptr;
    TFriendlyStatusBar *m_status = nullptr;

    DocumentCommands *m_documentCommands = nullptr;
    FileDropOpener *m_fileDrops = nullptr;
    EditorCommands *m_editorCommands = nullptr;
    HtmlCommands *m_htmlCommands = nullptr;
    SearchCommands *m_searchCommands = nullptr;
    DialogCommands *m_dialogCommands = nullptr;
    CodeCompletion *m_completion = nullptr;
    ShellCommands *m_shellCommands = nullptr;
};
