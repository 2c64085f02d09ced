#pragma once

#include "files/FileTypeFilters.h"
#include "files/ListedFileFacts.h"
#include "files/TargetFolder.h"

#include <QObject>
#include <QThreadPool>

#include <functional>

class FileListMenu;
class ImagePreview;
class QAction;
class QMenu;
class QSplitter;
class QToolBar;
class TDirTree;
class TFileList;
class TLEdit;
class Workbench;
struct ListedEntry;

// What the file panel needs from the main window.
struct FilePanelServices
{
    // What the panel shows, kept with the window's state: the folder, the
    // list's view (TFileList::ViewStyle) and the folder tree's height.
    std::function<QString()> folder;
    std::function<void(const QString &)> setFolder;
    std::function<int()> viewStyle;
    std::function<void(int)> setViewStyle;
    std::function<int()> treeHeight;
    std::function<void(int)> setTreeHeight;
    // Opens a page as a document.
    std::function<void(const QString &path)> openDocument;
    // The properties window for a file, from the facts the list shows; none yet.
    std::function<void(const QString &path, const ListedFileFacts &facts)> showProperties;
    // Hands the editors the panel's way of turning a file dragged from the
    // list into a reference.
    using ReferenceInserter = std::function<void(TLEdit &editor, const QString &path)>;
    std::function<void(ReferenceInserter)> takeReferenceInserter;
    // The folder of the publish record, which tells the list's files
    // changed since publishing; known once the window has settled it.
    std::function<QString()> userDataFolder;
};

// The "Filer" page of the resource panel: the folder tree, the picture
// preview and the file list under the page's two toolbar rows, with the
// list's menu, the views and type filters of the "Vis" menu, and F5 in the
// code view.
class FilePanelCommands : public QObject
{
    Q_OBJECT

public:
    FilePanelCommands(Workbench &workbench, QWidget &page, FilePanelServices services);

    TDirTree &tree() const { return *m_tree; }
    TFileList &list() const { return *m_list; }
    FileTypeFilter filter() const { return m_filter; }
    void chooseFilter(FileTypeFilter filter);
    // Opens the file by its type.
    void OpenByType(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPage(QWidget &page);
    void attachCommands();
    void attachToolBars(QWidget &page);
    void attachMenu();
    void settleMenu();
    void showFirstFolder();
    void folderChosen(const QString &folder);
    void entryChosen(const QString &path, const ListedEntry &entry);
    void openSelected();
    void insertReference();
    void insertReferenceInto(TLEdit &editor, const QString &path);
    void showProperties();
    void transferSelected(TargetFolderPurpose purpose);
    void correctNames();
    void createFolder();
    void setViewStyle(int style);
    void sizePreviewPane();
    QString filterMask(FileTypeFilter filter) const;
    bool previewShown() const;

    Workbench &m_workbench;
    FilePanelServices m_services;
    // The changed-since-publishing check of a listing waits for hashing on
    // the shared pool's threads, so it must not take one of them itself.
    QThreadPool m_changeCheckPool;
    QSplitter *m_splitter = nullptr;
    TDirTree *m_tree = nullptr;
    ImagePreview *m_preview = nullptr;
    TFileList *m_list = nullptr;
    FileListMenu *m_menu = nullptr;
    QMenu *m_viewsMenu = nullptr;
    QMenu *m_filtersMenu = nullptr;
    QList<QAction *> m_filterEntries; // the context menu's, by filter
    QList<QAction *> m_filterButtons; // the toolbar's, by filter
    FileTypeFilter m_filter = FileTypeFilter::Html;
    bool m_announceListing = false; // the next listing's count goes to the status bar
    bool m_shownOnce = false;
    bool m_treeSized = false; // the tree has had its first height
};
