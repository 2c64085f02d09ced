#include "projects/ProjectPanelCommands.h"

#include "core/OptionsModel.h"
#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "documents/DocumentList.h"
#include "editing/DocumentDrops.h"
#include "files/FileClasses.h"
#include "files/FileOperations.h"
#include "projects/ProjectChangeCheck.h"
#include "projects/ProjectTreeWidget.h"
#include "workbench/PublishRequests.h"
#include "workbench/Workbench.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int ProjectRole = Qt::UserRole;
constexpr int DocumentRole = Qt::UserRole + 1;
constexpr int NoDocument = -1;

// The kinds of node, for the context menu's entries.
enum NodeKind { RootKind = 0x1, ProjectKind = 0x2, RootFolderKind = 0x4, DocumentKind = 0x8 };

const QString ChooseRootCaption = QStringLiteral("Vælg projektets rodbibliotek:");

// A project dragged to the publishing window, by its title.
const QString ProjectDragFormat = QStringLiteral("application/x-pagewick-project");

} // namespace

ProjectPanelCommands::ProjectPanelCommands(Workbench &workbench, QWidget &page, ProjectPanelServices services)
    : QObject(&page)
    , m_workbench(workbench)
    , m_services(std::move(services))
    , m_fileDialogs(
          workbench, [this] { return publishRecord(); },
          [this] {
              RefreshProjects();
              SaveProjects();
          })
{
    buildPage(page);
    page.installEventFilter(this);
    workbench.window().installEventFilter(this);
    connect(&workbench.documents(), &DocumentList::saved, this,
            [this](::Document &document) { MarkDocumentChanged(document.path); });
    m_services.offerProjects([this]() -> ProjectTree & {
        LoadProjects();
        return m_store->tree();
    });
    connect(&workbench.publishRequests(), &PublishRequests::pickProjectFiles, this, &ProjectPanelCommands::pickProjectFiles);
    connect(&workbench.publishRequests(), &PublishRequests::filesPublished, this, [this] {
        if (m_store)
            checkChanges();
    });
}

void ProjectPanelCommands::buildPage(QWidget &page)
{
    auto *toolBar = new QToolBar(&page);
    toolBar->setObjectName(QStringLiteral("tbProjekter"));
    auto *tree = new ProjectTreeWidget(&page);
    tree->setDragData([this](const QTreeWidgetItem &item) { return dragData(item); });
    m_tree = tree;
    m_tree->setObjectName(QStringLiteral("tvProjekter"));
    m_tree->setHeaderHidden(true);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->installEventFilter(this);
    auto *layout = new QVBoxLayout(&page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(m_tree);

    m_newProject = toolBar->addAction(QStringLiteral("Nyt projekt"), this, &ProjectPanelCommands::newProject);
    m_addDocuments = toolBar->addAction(QStringLiteral("Tilføj dokumenter"), this, &ProjectPanelCommands::addDocuments);
    m_openDocuments = toolBar->addAction(QStringLiteral("Åbn dokument(er)"), this, &ProjectPanelCommands::openSelected);
    m_upload = toolBar->addAction(QStringLiteral("Overfør til Internet"), this, &ProjectPanelCommands::uploadSelected);
    m_properties = toolBar->addAction(QStringLiteral("Egenskaber"), this, &ProjectPanelCommands::showProperties);

    m_menu = new QMenu(m_tree);
    m_menu->setObjectName(QStringLiteral("pmProjekter"));
    const auto entry = [this](QAction *action, int kinds) {
        if (kinds & RootKind)
            m_entries.root.append(action);
        if (kinds & ProjectKind)
            m_entries.project.append(action);
        if (kinds & RootFolderKind)
            m_entries.rootFolder.append(action);
        if (kinds & DocumentKind)
            m_entries.document.append(action);
    };
    using P = ProjectPanelCommands;
    entry(addEntry(QStringLiteral("Åbn alle dokumenter"), &P::openAllDocuments), ProjectKind);
    entry(addEntry(QStringLiteral("Opdater på Internet..."), &P::uploadSelected), ProjectKind);
    entry(addDisabledEntry(QStringLiteral("Resursefiler...")), ProjectKind);
    entry(addEntry(QStringLiteral("Tilføj dokumenter..."), &P::addDocuments), ProjectKind);
    entry(addEntry(QStringLiteral("Tilføj det aktive dokument"), &P::addActiveDocument), ProjectKind);
    entry(addEntry(QStringLiteral("Tilføj alle åbne dokumenter"), &P::addOpenDocuments), ProjectKind);
    entry(addEntry(QStringLiteral("Find i projekt..."), &P::findInProject), ProjectKind);
    entry(addEntry(QStringLiteral("Erstat i projekt..."), &P::replaceInProject), ProjectKind);
    m_menu->addSeparator();
    entry(addEntry(QStringLiteral("Nyt projekt"), &P::newProject), RootKind);
    entry(addEntry(QStringLiteral("Flyt projekt til..."), &P::moveProject), ProjectKind);
    entry(addEntry(QStringLiteral("Kopier projekt til..."), &P::copyProject), ProjectKind);
    QAction *renameProject = addEntry(QStringLiteral("Omdøb"), &P::renameSelected);
    renameProject->setShortcut(Qt::Key_F2);
    entry(renameProject, ProjectKind);
    entry(addEntry(QStringLiteral("Slet projekt"), &P::removeSelected), ProjectKind);
    entry(addEntry(QStringLiteral("Rediger rodbibliotek..."), &P::editRootFolder), ProjectKind | RootFolderKind);
    m_menu->addSeparator();
    entry(addEntry(QStringLiteral("Åbn"), &P::openSelected), DocumentKind);
    m_uploadDocument = addEntry(QStringLiteral("Overfør til Internet..."), &P::uploadSelected);
    entry(m_uploadDocument, DocumentKind);
    entry(addEntry(QStringLiteral("Fjern fra projekt"), &P::removeSelected), DocumentKind);
    QAction *renameDocument = addEntry(QStringLiteral("Omdøb"), &P::renameSelected);
    renameDocument->setShortcut(Qt::Key_F2);
    entry(renameDocument, DocumentKind);
    entry(addEntry(QStringLiteral("Slet"), &P::deleteSelected), DocumentKind);
    m_menu->addSeparator();
    QAction *refresh = addEntry(QStringLiteral("Opdater"), &P::RefreshProjects);
    refresh->setShortcut(Qt::Key_F5);
    entry(refresh, RootKind | ProjectKind | RootFolderKind | DocumentKind);
    entry(addEntry(QStringLiteral("Egenskaber"), &P::showProperties), ProjectKind | DocumentKind);

    connect(m_tree, &QTreeWidget::customContextMenuRequested, this, &ProjectPanelCommands::showMenu);
    connect(m_tree, &QTreeWidget::itemSelectionChanged, this, &ProjectPanelCommands::settleToolBar);
    connect(m_tree, &QTreeWidget::itemChanged, this, &ProjectPanelCommands::itemRenamed);
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (selectedDocument() == RootFolderNode)
            editRootFolder();
        else
            openSelected();
    });
    settleToolBar();
}

QAction *ProjectPanelCommands::addEntry(const QString &text, void (ProjectPanelCommands::*slot)())
{
    return m_menu->addAction(text, this, slot);
}

QAction *ProjectPanelCommands::addDisabledEntry(const QString &text)
{
    QAction *action = m_menu->addAction(text);
    action->setEnabled(false);
    return action;
}

bool ProjectPanelCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_tree && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // The key that ends an in-place edit reaches the tree as well,
            // while the edit still has the focus.
            if (QApplication::focusWidget() != m_tree)
                return false;
            if (selectedProject() >= 0 && selectedDocument() != RootFolderNode)
                openSelected();
            return true;
        case Qt::Key_Delete:
            removeSelected();
            return true;
        case Qt::Key_F2:
            renameSelected();
            return true;
        case Qt::Key_F5:
            RefreshProjects();
            return true;
        default:
            break;
        }
    } else if (watched == m_tree->parent() && event->type() == QEvent::Show) {
        RefreshProjects();
    } else if (watched == &m_workbench.window() && event->type() == QEvent::Close && !m_closing) {
        // The window decides first whether it closes (its documents may
        // keep it open); the tree is written only once it does.
        m_closing = true;
        QCoreApplication::sendEvent(watched, event);
        m_closing = false;
        if (event->isAccepted())
            saveAtShutdown();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ProjectPanelCommands::LoadProjects()
{
    if (m_store)
        return;
    m_store.emplace(m_services.userDataFolder());
    m_store->load();
    m_changeCheck = new ProjectChangeCheck(PublishRecord::fileIn(m_services.userDataFolder()), this);
    connect(m_changeCheck, &ProjectChangeCheck::checked, this, &ProjectPanelCommands::changesFound);
    RefreshProjects();
}

void ProjectPanelCommands::RefreshProjects()
{
    if (!m_store) {
        LoadProjects();
        return;
    }
    m_store->tree().sort();
    showTree();
    checkChanges();
}

bool ProjectPanelCommands::SaveProjects()
{
    const ProjectTree &tree = m_store->tree();
    if (tree.isDamaged()) {
        const QString path = QDir::toNativeSeparators(m_store->filePath());
        const Prompter::Button answer = m_workbench.prompter().message(
            {Product::Caption,
             QStringLiteral("Projektfilen %1 kunne ikke læses helt (%2).\n\nSkal den erstattes af de projekter, der "
                            "kunne læses? Den nuværende fil gemmes som %1.bak.")
                 .arg(path, tree.loadError()),
             Prompter::Icon::Warning, Prompter::Yes | Prompter::No});
        if (answer != Prompter::Yes)
            return false;
    }
    if (m_store->save())
        return true;
    m_workbench.prompter().message({Product::Caption, QStringLiteral("ADVARSEL! Pagewick kan ikke gemme projektet."),
                                    Prompter::Icon::Warning, Prompter::Ok});
    return false;
}

void ProjectPanelCommands::saveAtShutdown()
{
    if (m_store)
        SaveProjects();
}

void ProjectPanelCommands::MarkDocumentChanged(const QString &path)
{
    if (!m_store || !QFileInfo::exists(path) || !m_store->tree().findDocument(path))
        return;
    // Bold at once; the publish record is not asked for a file just written.
    m_changed.insert(QDir::cleanPath(path));
    if (m_changeCheck->isRunning())
        m_savedDuringCheck.insert(QDir::cleanPath(path));
    showTree();
}

bool ProjectPanelCommands::checkingChanges() const
{
    return m_changeCheck && m_changeCheck->isRunning();
}

bool ProjectPanelCommands::documentBold(int project, int document)
{
    return m_changed.contains(QDir::cleanPath(m_store->tree().documentPath(project, document)));
}

// Comparing thousands of files with the record, or hashing them when their
// times moved, takes too long for the window to wait: the tree shows the
// bold states it knows until the answer comes.
void ProjectPanelCommands::checkChanges()
{
    const ProjectTree &tree = m_store->tree();
    QList<ProjectFiles> projects;
    for (int project = 0; project < tree.projectCount(); ++project) {
        ProjectFiles files{tree.title(project), {}};
        const qsizetype count = tree.documents(project).size();
        for (int document = 0; document < count; ++document)
            files.files.append(QDir::cleanPath(tree.documentPath(project, document)));
        projects.append(std::move(files));
    }
    m_changeCheck->start(projects);
}

void ProjectPanelCommands::changesFound(const QSet<QString> &changed)
{
    m_changed = changed;
    m_changed.unite(m_savedDuringCheck);
    m_savedDuringCheck.clear();
    showTree();
    Q_EMIT changesChecked();
}

PublishRecord *ProjectPanelCommands::publishRecord()
{
    if (!m_record) {
        m_record.emplace(PublishRecord::fileIn(m_services.userDataFolder()));
        if (!m_record->open()) {
            m_record.reset();
            return nullptr;
        }
    }
    return &*m_record;
}

QMimeData *ProjectPanelCommands::dragData(const QTreeWidgetItem &item)
{
    const int project = item.data(0, ProjectRole).toInt();
    if (project < 0 || !m_store)
        return nullptr;
    const int document = item.data(0, DocumentRole).toInt();
    auto *mime = new QMimeData;
    if (document == NoDocument) {
        mime->setData(ProjectDragFormat, item.text(0).toUtf8());
    } else if (document >= 0) {
        // A document is dropped like a file from the file list.
        const QString path = m_store->tree().documentPath(project, document);
        mime->setData(DocumentDrops::FileListFormat, path.toUtf8());
        mime->setUrls({QUrl::fromLocalFile(path)});
    } else {
        delete mime;
        return nullptr;
    }
    return mime;
}

QIcon ProjectPanelCommands::documentIcon(const QString &path) const
{
    const QFileInfo info(path);
    if (!info.exists())
        return m_icons.icon(QFileIconProvider::Trashcan);
    return m_icons.icon(info);
}

void ProjectPanelCommands::showTree()
{
    const int project = selectedProject();
    const int document = selectedDocument();
    ProjectTree &tree = m_store->tree();
    QSet<int> expanded; // projects by number, open again after the rebuild
    if (QTreeWidgetItem *oldRoot = m_tree->topLevelItem(0)) {
        for (int p = 0; p < oldRoot->childCount(); ++p) {
            if (oldRoot->child(p)->isExpanded())
                expanded.insert(p);
        }
    }
    m_showingTree = true;
    m_tree->clear();
    auto *root = new QTreeWidgetItem(m_tree, {ProjectTree::RootText});
    root->setData(0, ProjectRole, -1);
    root->setIcon(0, m_icons.icon(QFileIconProvider::Computer));
    for (int p = 0; p < tree.projectCount(); ++p) {
        auto *projectItem = new QTreeWidgetItem(root, {tree.title(p)});
        projectItem->setData(0, ProjectRole, p);
        projectItem->setData(0, DocumentRole, NoDocument);
        projectItem->setIcon(0, m_icons.icon(QFileIconProvider::Folder));
        projectItem->setFlags(projectItem->flags() | Qt::ItemIsEditable);
        auto *folderItem = new QTreeWidgetItem(projectItem, {ProjectTree::RootFolderMark + tree.rootFolder(p)});
        folderItem->setData(0, ProjectRole, p);
        folderItem->setData(0, DocumentRole, RootFolderNode);
        folderItem->setIcon(0, m_icons.icon(QFileIconProvider::Drive));
        bool anyBold = false;
        const QStringList documents = tree.documents(p);
        for (int d = 0; d < documents.size(); ++d) {
            auto *item = new QTreeWidgetItem(projectItem, {documents.at(d)});
            item->setData(0, ProjectRole, p);
            item->setData(0, DocumentRole, d);
            item->setIcon(0, documentIcon(tree.documentPath(p, d)));
            item->setFlags(item->flags() | Qt::ItemIsEditable);
            const bool bold = documentBold(p, d);
            QFont font = item->font(0);
            font.setBold(bold);
            item->setFont(0, font);
            anyBold = anyBold || bold;
        }
        QFont font = projectItem->font(0);
        font.setBold(anyBold);
        projectItem->setFont(0, font);
        projectItem->setExpanded(expanded.contains(p));
    }
    root->setExpanded(true);
    m_showingTree = false;
    select(project, document);
}

int ProjectPanelCommands::selectedProject() const
{
    const QTreeWidgetItem *item = m_tree->currentItem();
    return item ? item->data(0, ProjectRole).toInt() : -1;
}

int ProjectPanelCommands::selectedDocument() const
{
    const QTreeWidgetItem *item = m_tree->currentItem();
    return item && item->data(0, ProjectRole).toInt() >= 0 ? item->data(0, DocumentRole).toInt() : NoDocument;
}

void ProjectPanelCommands::select(int project, int document)
{
    if (m_tree->topLevelItemCount() == 0)
        return;
    QTreeWidgetItem *item = m_tree->topLevelItem(0);
    if (project >= 0 && project < item->childCount()) {
        item = item->child(project);
        const int child = document == RootFolderNode ? 0 : document + 1;
        if (document != NoDocument && child < item->childCount())
            item = item->child(child);
    }
    m_tree->setCurrentItem(item);
    m_tree->scrollToItem(item);
}

void ProjectPanelCommands::settleToolBar()
{
    const int project = selectedProject();
    const int document = selectedDocument();
    const bool projectOrDocument = project >= 0 && document != RootFolderNode;
    m_addDocuments->setEnabled(project >= 0 && document == NoDocument);
    m_openDocuments->setEnabled(projectOrDocument);
    // A single document goes straight to the publishing window: only when there is one.
    m_upload->setEnabled(projectOrDocument && (document == NoDocument || m_workbench.publishRequests().available()));
    m_properties->setEnabled(projectOrDocument);
}

void ProjectPanelCommands::showMenu(const QPoint &at)
{
    if (QTreeWidgetItem *item = m_tree->itemAt(at))
        m_tree->setCurrentItem(item);
    const int project = selectedProject();
    const int document = selectedDocument();
    const QList<QAction *> &shown = project < 0 ? m_entries.root
        : document == NoDocument                ? m_entries.project
        : document == RootFolderNode            ? m_entries.rootFolder
                                                : m_entries.document;
    for (QAction *action : m_menu->actions())
        action->setVisible(action->isSeparator() || shown.contains(action));
    m_uploadDocument->setEnabled(m_workbench.publishRequests().available());
    QFont plain = m_menu->font();
    for (QAction *action : m_menu->actions())
        action->setFont(plain);
    QFont bold = plain;
    bold.setBold(true);
    shown.first()->setFont(bold);
    m_menu->setDefaultAction(shown.first());
    m_menu->popup(m_tree->viewport()->mapToGlobal(at));
}

void ProjectPanelCommands::newProject()
{
    LoadProjects();
    const QString folder = m_workbench.prompter().chooseFolder(ChooseRootCaption, QString());
    if (folder.isEmpty())
        return;
    const int project = m_store->tree().addProject(folder);
    showTree();
    select(project, NoDocument);
    m_tree->currentItem()->setExpanded(true);
    m_tree->setFocus();
    m_tree->editItem(m_tree->currentItem());
}

void ProjectPanelCommands::addDocuments()
{
    const int project = selectedProject();
    if (project < 0 || selectedDocument() != NoDocument)
        return;
    const QString htmlFilter = m_workbench.options().options().htmlFilter;
    const QString css = QStringLiteral("*.css");
    const QStringList files = m_workbench.prompter().openFiles(
        {QStringLiteral("Tilføj dokumenter til projekt"),
         QDir::fromNativeSeparators(m_store->tree().rootFolder(project)),
         {},
         {{QStringLiteral("HTML-dokumenter (%1)").arg(htmlFilter), htmlFilter},
          {QStringLiteral("Typografiark (%1)").arg(css), css},
          {QStringLiteral("Alle filer (*.*)"), QStringLiteral("*.*")}},
         0,
         {}});
    if (files.isEmpty())
        return;
    addFiles(files);
}

void ProjectPanelCommands::addActiveDocument()
{
    DocumentList &documents = m_workbench.documents();
    addFiles({documents.at(documents.activeIndex()).path});
}

void ProjectPanelCommands::addOpenDocuments()
{
    const DocumentList &documents = m_workbench.documents();
    QStringList paths;
    for (int i = 0; i < documents.count(); ++i)
        paths.append(documents.at(i).path);
    addFiles(paths);
}

void ProjectPanelCommands::addFiles(const QStringList &paths)
{
    const int project = selectedProject();
    if (project < 0)
        return;
    for (const QString &path : paths) {
        if (path.isEmpty()) {
            m_workbench.prompter().message({Product::Caption,
                                            QStringLiteral("Dokumentet skal gemmes, før det kan tilføjes til projektet."),
                                            Prompter::Icon::Information, Prompter::Ok});
            continue;
        }
        m_store->tree().addDocument(project, path);
    }
    RefreshProjects();
    SaveProjects();
}

void ProjectPanelCommands::actOnSelection(const std::function<void(int project)> &onProject,
                                          const std::function<void(const QString &path)> &onDocument)
{
    const int project = selectedProject();
    const int document = selectedDocument();
    if (project < 0 || document == RootFolderNode)
        return;
    if (document == NoDocument)
        onProject(project);
    else
        onDocument(m_store->tree().documentPath(project, document));
}

void ProjectPanelCommands::openSelected()
{
    actOnSelection([this](int) { openAllDocuments(); }, m_services.openDocument);
}

void ProjectPanelCommands::openAllDocuments()
{
    const int project = selectedProject();
    if (project < 0)
        return;
    if (m_workbench.prompter().message({QStringLiteral("Åbn fil(er)"),
                                        QStringLiteral("Ønsker du at åbne alle dokumenter i projektet?"),
                                        Prompter::Icon::Question, Prompter::Yes | Prompter::No})
        != Prompter::Yes)
        return;
    const int count = static_cast<int>(m_store->tree().documents(project).size());
    for (int document = 0; document < count; ++document)
        m_services.openDocument(m_store->tree().documentPath(project, document));
}

void ProjectPanelCommands::renameSelected()
{
    const int project = selectedProject();
    const int document = selectedDocument();
    if (project < 0)
        return;
    if (document == RootFolderNode)
        editRootFolder();
    else
        m_tree->editItem(m_tree->currentItem());
}

void ProjectPanelCommands::itemRenamed(QTreeWidgetItem *item)
{
    if (m_showingTree)
        return;
    const int project = item->data(0, ProjectRole).toInt();
    const int document = item->data(0, DocumentRole).toInt();
    ProjectTree &tree = m_store->tree();
    if (document == NoDocument) {
        tree.setTitle(project, item->text(0));
    } else if (document >= 0 && item->text(0) != tree.documents(project).at(document)) {
        const QString oldPath = tree.documentPath(project, document);
        const QString text = item->text(0);
        // The entry follows the file only when the file could take the new
        // name: a name that is taken is refused, nothing is written over.
        const QString newPath = QDir::cleanPath(
            QDir(QDir::fromNativeSeparators(tree.rootFolder(project))).absoluteFilePath(QDir::fromNativeSeparators(text)));
        if (renameWithoutReplacing(oldPath, newPath)) {
            tree.setDocumentText(project, document, text);
            // What was published of the file is what was published of it under its new name.
            if (PublishRecord *record = publishRecord())
                record->moveFile(oldPath, newPath);
            if (m_changed.remove(QDir::cleanPath(oldPath)))
                m_changed.insert(QDir::cleanPath(newPath));
        } else {
            m_workbench.prompter().message(
                {Product::Caption, QStringLiteral("Der skete en fejl under omdøbningen."), Prompter::Icon::Stop, Prompter::Ok});
        }
    }
    // Queued: the tree is rebuilt once its editor has let go of the item.
    QMetaObject::invokeMethod(this, &ProjectPanelCommands::showTree, Qt::QueuedConnection);
}

void ProjectPanelCommands::removeSelected()
{
    const int project = selectedProject();
    const int document = selectedDocument();
    if (project < 0 || document == RootFolderNode)
        return;
    ProjectTree &tree = m_store->tree();
    if (document == NoDocument) {
        if (m_workbench.prompter().message({QStringLiteral("Slet projekt"),
                                            QStringLiteral("Ønsker du at slette %1?").arg(tree.title(project)),
                                            Prompter::Icon::Warning, Prompter::Yes | Prompter::No})
            != Prompter::Yes)
            return;
        tree.removeProject(project);
        showTree();
        select(-1, NoDocument);
        return;
    }
    tree.removeDocument(project, document);
    showTree();
    select(project, NoDocument);
}

void ProjectPanelCommands::deleteSelected()
{
    const int project = selectedProject();
    const int document = selectedDocument();
    if (project < 0 || document < 0)
        return;
    ProjectTree &tree = m_store->tree();
    if (m_workbench.prompter().message({QStringLiteral("Slet fil"),
                                        QStringLiteral("Ønsker du at slette %1?").arg(tree.documents(project).at(document)),
                                        Prompter::Icon::Warning, Prompter::Yes | Prompter::No})
        != Prompter::Yes)
        return;
    const QString path = tree.documentPath(project, document);
    if (!deleteFiles({path}, m_workbench.prompter()).anyChanged() || QFileInfo::exists(path))
        return;
    tree.removeDocument(project, document);
    m_changed.remove(path);
    RefreshProjects();
    select(project, NoDocument);
    SaveProjects();
}

void ProjectPanelCommands::editRootFolder()
{
    const int project = selectedProject();
    if (project < 0)
        return;
    ProjectTree &tree = m_store->tree();
    const QString folder = m_workbench.prompter().chooseFolder(ChooseRootCaption,
                                                               QDir::fromNativeSeparators(tree.rootFolder(project)));
    if (folder.isEmpty())
        return;
    const bool rewrite = m_workbench.prompter().message(
                             {QStringLiteral("Rodbibliotek"),
                              QStringLiteral("Skal projektfilernes stier rettes ift. det nye rodbibliotek?"),
                              Prompter::Icon::Question, Prompter::Yes | Prompter::No})
        == Prompter::Yes;
    tree.setRootFolder(project, folder, rewrite);
    RefreshProjects();
}

void ProjectPanelCommands::showProperties()
{
    actOnSelection([this](int project) { m_fileDialogs.showProperties(m_store->tree(), project); }, m_services.showProperties);
}

void ProjectPanelCommands::findInProject()
{
    if (selectedProject() >= 0)
        m_services.searchProject(selectedProject(), false);
}

void ProjectPanelCommands::replaceInProject()
{
    if (selectedProject() >= 0)
        m_services.searchProject(selectedProject(), true);
}

void ProjectPanelCommands::uploadSelected()
{
    actOnSelection([this](int project) { m_fileDialogs.upload(m_store->tree(), project); },
                   [this](const QString &path) { Q_EMIT m_workbench.publishRequests().uploadProjectDocument(path); });
}

void ProjectPanelCommands::moveProject()
{
    const int project = selectedProject();
    if (project >= 0 && selectedDocument() == NoDocument)
        m_fileDialogs.moveTo(m_store->tree(), project);
}

void ProjectPanelCommands::copyProject()
{
    const int project = selectedProject();
    if (project >= 0 && selectedDocument() == NoDocument)
        m_fileDialogs.copyTo(m_store->tree(), project);
}

// The publishing window was given a project: its file dialog opens for uploading.
void ProjectPanelCommands::pickProjectFiles(const QString &title)
{
    LoadProjects();
    const ProjectTree &tree = m_store->tree();
    for (int project = 0; project < tree.projectCount(); ++project) {
        if (tree.title(project) == title) {
            select(project, NoDocument);
            m_fileDialogs.upload(m_store->tree(), project);
            return;
        }
    }
}
