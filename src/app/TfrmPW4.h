#pragma once

#include "app/DocumentHooks.h"
#include "documents/DocumentPrinter.h"
#include "app/MainWindowState.h"
#include "core/Prompter.h"
#include "resources/LibraryIndex.h"
#include "resources/LibraryLists.h"

#include <QHash>
#include <QMainWindow>
#include <QUrl>

#include <functional>
#include <QStringList>

class AutoDateCommands;
class CodeCompletion;
class DocumentArea;
class LibraryTab;
class OptionsModel;
class DocumentSearch;
class EditingAids;
class Prompter;
class QAction;
class QMenu;
class QSplitter;
class QTabWidget;
class QTreeWidget;
class TLEdit;
class SettingsStore;
class TFriendlyStatusBar;
class TextConversions;
class TfrmIndstil;
class TfrmSplash;
struct DocumentEditorLook;
struct SettingsOptions;

// What the main window is given by the program (or by a test).
struct MainWindowServices
{
    SettingsStore &settings;
    Prompter &prompter;
    QString programFolder;         // shipped data, ending with "/"
    QString defaultUserDataFolder; // ending with "/"
};

// The main window: resource panel, document tabs, results list and status bar.
class TfrmPW4 : public QMainWindow
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

    // Documents. Commands answer false when the user cancelled.
    int NewDocumentTab(bool named);
    void NewDocument();
    // Opens each listed path that names an existing file, in order.
    void OpenFiles(const QString &fileListText);
    void FilAabn(const QString &path);
    bool FilAabenTjek(const QString &path);
    void openWithDialog();
    bool FilGem(int tab);
    bool FilGemsom(int tab);
    void saveAll();
    void saveWithDanishCodes();
    bool CloseDocument();
    bool closeAll();
    void toggleMasterTab();
    void ShowActiveDocument();
    void UpdateDocumentCaption(int tab);
    void StatusbarOpdater(const QString &path);
    void CheckExternalChanges();
    // Files dropped at a point of the window.
    void dropFiles(const QStringList &paths, const QPoint &windowPoint);
    DocumentHooks &hooks() { return m_hooks; }
    // Files handed over by a second start: open them and come to the front.
    void receiveHandOver(const QString &fileListText);

    TLEdit *ActiveEditor() const;
    // Element names that the colouring shows as elements; the HTML library fills it.
    const QStringList &ElementNames() const { return m_libraryLists.ElementNames; }
    // The lists built from the libraries and the text maps, and the library files.
    LibraryLists &libraryLists() { return m_libraryLists; }
    LibraryFiles &libraryFiles() { return m_libraryFiles; }
    LibraryTab *libraryTab() const { return m_libraryTab; }
    DocumentArea *documents() const { return m_documents; }
    QTabWidget *resourcePanel() const { return m_resourcePanel; }
    QSplitter *mainSplitter() const { return m_splitter; }
    QTreeWidget *resultsList() const { return m_results; }
    TFriendlyStatusBar *statusPanels() const { return m_status; }
    // The editing aids around the document editors, and find and replace.
    EditingAids &editingAids() const { return *m_aids; }
    DocumentSearch &documentSearch() const { return *m_search; }
    // The text conversions and the update date of the documents.
    TextConversions &textConversions() const { return *m_conversions; }
    AutoDateCommands &autoDate() const { return *m_autoDate; }
    CodeCompletion &codeCompletion() const { return *m_completion; }

    QString userDataFolder() const { return m_userDataFolder; }
    const QStringList &EventMap() const { return m_libraryLists.EventMap; }
    const QStringList &GlobalAttributeMap() const { return m_libraryLists.GlobalAttributeMap; }

    void showAbout();
    // The context menus of the editor, with and without a selection; the
    // tab strip shows the second without its later entries.
    QMenu *selectionContextMenu();
    QMenu *documentContextMenu(bool onTabStrip);
    // A command of the menus or toolbars by its id ("actFed"), or null.
    QAction *command(const QString &id) const;
    // How help pages and files are shown; tests replace it.
    void setUrlOpener(std::function<bool(const QUrl &)> opener) { m_openUrl = std::move(opener); }
    // The settings dialog, made with the window and kept for the whole run.
    TfrmIndstil *settingsDialog() const { return m_settingsDialog; }
    const SettingsOptions &options() const;

Q_SIGNALS:
    // The window has been shown for the first time and has opened the command line's files.
    void firstShownDone();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void setUpEditor(TLEdit &editor);
    void watchEditor(TLEdit &editor);
    void buildActions();
    void addMenuEntries(QMenu *menu, const QList<struct CommandEntry> &entries);
    void handle(const QString &id, std::function<void()> handler);
    void attachFileCommands();
    void attachEditingCommands();
    void attachMarkupCommands();
    void attachViewAndHelpCommands();
    LibraryTab *buildLibraryTab();
    void attachLibraryCommands();
    void attachConversionCommands();
    // A document as the questions name it: its path, or its caption before it is saved.
    QString documentName(int tab) const;
    void showLibraryPage(int library);
    void refreshElementNames();
    void attachEditingAids();
    void buildToolBars();
    void buildContextMenus();
    void openHelpPage(const QString &page);
    void buildShortcuts();
    bool switchDocumentByKey(class QKeyEvent *event);
    void refreshStyleMenu();
    void openUserHelpFile(int index);
    void loadTextMaps();
    void settleUserDataFolder();
    void restoreState();
    void firstShown();
    void updateStatusLayout();
    bool loadInto(int tab, const QString &path, bool convert);
    DocumentEditorLook editorLook() const;
    void applySettings();
    QList<Prompter::FileFilter> documentFilters(bool forOpening) const;
    void refreshRecentFiles();
    void setResourcePanelShown(bool shown);
    bool closeAllDocuments();
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
    DocumentHooks m_hooks;
    DocumentPrinter m_printer;
    int m_newDocumentCounter = 1;
    bool m_danishCodesForced = false;
    QString m_lastOpenFolder;
    QMenu *m_recentMenu = nullptr;
    QMenu *m_tableMenu = nullptr;
    QMenu *m_styleMenu = nullptr;
    QList<QAction *> m_classEntries;
    QHash<QString, QAction *> m_commands;
    QHash<QString, QMenu *> m_menus;
    std::function<bool(const QUrl &)> m_openUrl;
    bool m_shownOnce = false;

    TfrmSplash *m_splash = nullptr;
    TfrmSplash *m_about = nullptr;
    OptionsModel *m_options = nullptr;
    TfrmIndstil *m_settingsDialog = nullptr;
    QSplitter *m_splitter = nullptr;
    QTabWidget *m_resourcePanel = nullptr;
    LibraryTab *m_libraryTab = nullptr;
    DocumentArea *m_documents = nullptr;
    QTreeWidget *m_results = nullptr;
    TFriendlyStatusBar *m_status = nullptr;
    QAction *m_actResourcePanel = nullptr;
    EditingAids *m_aids = nullptr;
    DocumentSearch *m_search = nullptr;
    TextConversions *m_conversions = nullptr;
    AutoDateCommands *m_autoDate = nullptr;
    CodeCompletion *m_completion = nullptr;
};
