#pragma once

#include "projects/ProjectFileDialogs.h"
#include "projects/ProjectStore.h"
#include "projects/PublishRecord.h"

#include <QFileIconProvider>
#include <QObject>
#include <QSet>

#include <functional>
#include <optional>

class ProjectChangeCheck;
class QAction;
class QMenu;
class QMimeData;
class QTreeWidget;
class QTreeWidgetItem;
class Workbench;

// What the project page needs from the main window.
struct ProjectPanelServices
{
    // Known once the window has settled it, so asked for when the tree is read.
    std::function<QString()> userDataFolder;
    // Opens a file as a document (an open one comes to the front).
    std::function<void(const QString &path)> openDocument;
    // The properties window on a file.
    std::function<void(const QString &path)> showProperties;
    // Hands the extended search the projects' tree, read first when it has not been.
    std::function<void(std::function<ProjectTree &()> projects)> offerProjects;
    // The extended search on a project's documents, searching or replacing.
    std::function<void(int project, bool replacing)> searchProject;
};

// The "Projekter" page of the resource panel: the project tree with its
// toolbar and context menu. The tree is read from the project file the first
// time the page is shown and written back when the window closes. A document
// is shown bold while it differs from what was last published to its
// project's site.
class ProjectPanelCommands : public QObject
{
    Q_OBJECT

public:
    ProjectPanelCommands(Workbench &workbench, QWidget &page, ProjectPanelServices services);

    QTreeWidget &tree() const { return *m_tree; }
    // The project file and its tree; none before the tree is read.
    ProjectStore *store() { return m_store ? &*m_store : nullptr; }

    void LoadProjects();
    void RefreshProjects();
    // Writes the project file; a damaged file (kept aside as ".bak") is
    // written over only when the user agrees. False when nothing was written.
    bool SaveProjects();
    // The closing window's save: only a tree that was read is written.
    void saveAtShutdown();
    // A file was saved: its document and project become bold.
    void MarkDocumentChanged(const QString &path);
    // Whether the documents are being compared with the publish record; the
    // bold states follow once they are.
    bool checkingChanges() const;

    // The selection's project and document (-1 for none, and the document
    // -1 on a project, RootFolderNode on its root folder node).
    static constexpr int RootFolderNode = -2;
    int selectedProject() const;
    int selectedDocument() const;
    void select(int project, int document);

    void newProject();
    void addDocuments();
    void addActiveDocument();
    void addOpenDocuments();
    void openSelected();
    void openAllDocuments();
    void renameSelected();
    void removeSelected();
    void deleteSelected();
    void editRootFolder();
    void showProperties();
    void findInProject();
    void replaceInProject();
    // The selected project to the publishing window through the project file
    // dialog, or the selected document on its own.
    void uploadSelected();
    void moveProject();
    void copyProject();

signals:
    // The bold states have been brought up to date with the publish record.
    void changesChecked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPage(QWidget &page);
    QAction *addEntry(const QString &text, void (ProjectPanelCommands::*slot)());
    QAction *addDisabledEntry(const QString &text);
    void showTree();
    // Runs one of the two on the selected project or document; nothing on
    // the root or a root folder node.
    void actOnSelection(const std::function<void(int project)> &onProject,
                        const std::function<void(const QString &path)> &onDocument);
    void addFiles(const QStringList &paths);
    void itemRenamed(QTreeWidgetItem *item);
    void settleToolBar();
    void showMenu(const QPoint &at);
    QIcon documentIcon(const QString &path) const;
    bool documentBold(int project, int document);
    void checkChanges();
    void changesFound(const QSet<QString> &changed);
    PublishRecord *publishRecord();
    QMimeData *dragData(const QTreeWidgetItem &item);
    void pickProjectFiles(const QString &title);

    Workbench &m_workbench;
    ProjectPanelServices m_services;
    std::optional<ProjectStore> m_store;
    QTreeWidget *m_tree = nullptr;
    QMenu *m_menu = nullptr;
    // A missing document shows the trash can.
    QFileIconProvider m_icons;
    // The documents changed since their project was published, and those
    // saved while the publish record was being compared (the comparison may
    // have read them before the save).
    QSet<QString> m_changed;
    QSet<QString> m_savedDuringCheck;
    ProjectChangeCheck *m_changeCheck = nullptr;
    // Opened on first use; tried again while it cannot be opened.
    std::optional<PublishRecord> m_record;
    ProjectFileDialogs m_fileDialogs;
    bool m_showingTree = false;
    bool m_closing = false; // the window is deciding whether it closes
    QAction *m_newProject = nullptr, *m_addDocuments = nullptr, *m_openDocuments = nullptr, *m_upload = nullptr,
            *m_properties = nullptr, *m_uploadDocument = nullptr;
    struct MenuEntries
    {
        QList<QAction *> project, rootFolder, document, root;
    } m_entries;
};
