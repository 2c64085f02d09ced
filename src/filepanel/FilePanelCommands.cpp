#include "filepanel/FilePanelCommands.h"

#include "core/OptionsModel.h"
#include "core/Prompter.h"
#include "core/SettingsStore.h"
#include "documents/DocumentList.h"
#include "editor/TLEdit.h"
#include "filepanel/CorrectFileNames.h"
#include "filepanel/FileListMenu.h"
#include "filepanel/ImagePreview.h"
#include "filepanel/TDirTree.h"
#include "filepanel/TFileList.h"
#include "files/FileClasses.h"
#include "files/FileOperations.h"
#include "files/FileTexts.h"
#include "files/TargetFolder.h"
#include "html/DocumentTitle.h"
#include "html/ElementBuilders.h"
#include "projects/ChangedFiles.h"
#include "workbench/BusyDisplay.h"
#include "workbench/CommandRegistry.h"
#include "workbench/PublishRequests.h"
#include "workbench/TFriendlyStatusBar.h"
#include "workbench/Workbench.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QImageReader>
#include <QLayout>
#include <QMenu>
#include <QSplitter>
#include <QStandardPaths>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>

namespace {

struct FilterLook
{
    const char *command;
    const char *caption; // in the list's menu and on the toolbar
    const char *menuCaption; // in the list's menu, where it differs
};

// By filter, in the order of FileTypeFilter.
constexpr FilterLook Filters[] = {
    {"actFilterHtml", "HTML-filer", nullptr},    {"actFilterBilleder", "Billedfiler", nullptr},
    {"actFilterLyd", "Lydfiler", nullptr},       {"actFilterTypografi", "Typografiark", "Style Sheet-filer"},
    {"actFilterSkript", "Skriptfiler", nullptr}, {"actFilterArkiver", "Downloadarkiver", nullptr},
    {"actFilterAlle", "Alle filer", nullptr},
};
static_assert(std::size(Filters) == FileTypeFilterCount);

// By TFileList::ViewStyle.
constexpr const char *ViewCommands[] = {"actStoreIkoner", "actSmaaIkoner", "actOversigt", "actDetaljer"};

const QString StartSection = QStringLiteral("Start");
constexpr int DefaultPreviewHeight = 96;
constexpr int SmallestPreviewHeight = 40;
constexpr int SmallestListHeight = 100;
constexpr int PreviewHandleHeight = 5;

bool referenceable(const QString &path, const QString &htmlFilter)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    return extension == QLatin1String("zip") || extension == QLatin1String("exe") || extension == QLatin1String("txt")
        || FileClasses::isHtmlFile(path, htmlFilter) || FileClasses::isStylesheet(path) || FileClasses::isImageFile(path)
        || FileClasses::isSoundFile(path);
}

} // namespace

FilePanelCommands::FilePanelCommands(Workbench &workbench, QWidget &page, FilePanelServices services)
    : QObject(&workbench.window())
    , m_workbench(workbench)
    , m_services(std::move(services))
{
    buildPage(page);
    attachCommands();
    attachToolBars(page);
    attachMenu();
    m_changeCheckPool.setMaxThreadCount(1);
    m_list->setDisplayDirectory(false);
    m_list->setMask(filterMask(m_filter));
    if (m_services.takeReferenceInserter)
        m_services.takeReferenceInserter([this](TLEdit &editor, const QString &path) { insertReferenceInto(editor, path); });
    if (m_services.userDataFolder)
        m_list->setChangeCheck([this](const QString &folder, const QStringList &names) {
            return QtConcurrent::run(&m_changeCheckPool,
                                     [database = PublishRecord::fileIn(m_services.userDataFolder()), folder, names] {
                                         return changedSinceLastPublished(database, folder, names).value_or(QSet<QString>());
                                     });
        });
    connect(&workbench.options(), &OptionsModel::changed, this, [this] {
        if (m_filter == FileTypeFilter::Html || m_filter == FileTypeFilter::Scripts)
            m_list->setMask(filterMask(m_filter));
        sizePreviewPane();
    });
    // The folder is read when the page is first shown: the window's state,
    // with the stored folder, is restored after the parts attach.
    page.installEventFilter(this);
}

void FilePanelCommands::buildPage(QWidget &page)
{
    m_splitter = new QSplitter(Qt::Vertical);
    m_splitter->setObjectName(QStringLiteral("splFiler"));
    m_splitter->setChildrenCollapsible(false);
    m_tree = new TDirTree;
    m_preview = new ImagePreview;
    m_list = new TFileList;
    m_splitter->addWidget(m_tree);
    m_splitter->addWidget(m_preview);
    m_splitter->addWidget(m_list);
    m_splitter->setStretchFactor(2, 1);
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] { m_services.setTreeHeight(m_splitter->sizes().value(0)); });
    // The page's layout holds the two toolbar rows and a stretch below them.
    QLayout *layout = page.layout();
    if (QLayoutItem *stretch = layout->takeAt(layout->count() - 1))
        delete stretch;
    layout->addWidget(m_splitter);
    sizePreviewPane();

    connect(m_tree, &TDirTree::folderChosen, this, &FilePanelCommands::folderChosen);
    connect(m_list, &TFileList::entryChosen, this, &FilePanelCommands::entryChosen);
    connect(m_list, &TFileList::openRequested, this, &FilePanelCommands::openSelected);
    connect(m_list, &TFileList::listed, this, [this] {
        if (!std::exchange(m_announceListing, false))
            return;
        TFriendlyStatusBar &status = m_workbench.status();
        status.setPanelText(0, QDir::toNativeSeparators(m_list->Directory()));
        status.setPanelText(1, QStringLiteral("%1 %2").arg(m_list->count()).arg(QStringLiteral("fil(er)")));
    });
}

void FilePanelCommands::attachCommands()
{
    CommandRegistry &commands = m_workbench.commands();
    for (int style = 0; style < int(std::size(ViewCommands)); ++style) {
        const QString id = QString::fromLatin1(ViewCommands[style]);
        commands.handle(id, [this, style] { setViewStyle(style); });
        commands.checkWhile(id, CommandCause::View, [this, style] { return m_list->viewStyle() == style; });
    }
    for (int filter = 0; filter < FileTypeFilterCount; ++filter) {
        const QString id = QString::fromLatin1(Filters[filter].command);
        commands.handle(id, [this, filter] { chooseFilter(FileTypeFilter(filter)); });
        commands.checkWhile(id, CommandCause::View, [this, filter] { return int(m_filter) == filter; });
    }
    // F5 in the code view reads the folders and the files again; the internal
    // browser's view keeps F5 for itself.
    QAction &codeView = commands.require(QStringLiteral("actKodeeditor"));
    connect(&commands.require(QStringLiteral("actOpdater")), &QAction::triggered, this, [this, &codeView] {
        if (!codeView.isChecked() || !m_shownOnce)
            return;
        m_tree->reload();
        m_list->refresh();
    });
}

void FilePanelCommands::attachToolBars(QWidget &page)
{
    CommandRegistry &commands = m_workbench.commands();
    if (auto *firstRow = page.findChild<QToolBar *>(QStringLiteral("tbFiler1"))) {
        for (QAction *button : firstRow->actions()) {
            if (button->text() != QLatin1String("Visninger"))
                continue;
            auto *views = new QMenu(firstRow);
            for (const char *id : ViewCommands)
                views->addAction(&commands.require(QString::fromLatin1(id)));
            button->setMenu(views);
            button->setEnabled(true);
            if (auto *tool = qobject_cast<QToolButton *>(firstRow->widgetForAction(button)))
                tool->setPopupMode(QToolButton::MenuButtonPopup);
            // The button itself moves on to the next view, from details back to large icons.
            connect(button, &QAction::triggered, this, [this] { setViewStyle((m_list->viewStyle() + 1) % 4); });
        }
    }
    m_filterButtons = QList<QAction *>(FileTypeFilterCount, nullptr);
    if (auto *secondRow = page.findChild<QToolBar *>(QStringLiteral("tbFiler2"))) {
        for (QAction *button : secondRow->actions()) {
            if (button->text() == QLatin1String("Opret ny mappe")) {
                button->setEnabled(true);
                connect(button, &QAction::triggered, this, &FilePanelCommands::createFolder);
            }
            for (int filter = 0; filter < FileTypeFilterCount; ++filter) {
                if (button->text() != QString::fromUtf8(Filters[filter].caption))
                    continue;
                m_filterButtons[filter] = button;
                button->setEnabled(true);
                connect(button, &QAction::triggered, this, [this, filter] { chooseFilter(FileTypeFilter(filter)); });
            }
        }
    }
}

void FilePanelCommands::attachMenu()
{
    CommandRegistry &commands = m_workbench.commands();
    m_viewsMenu = new QMenu(QStringLiteral("&Vis"), m_list);
    for (const char *id : ViewCommands)
        m_viewsMenu->addAction(&commands.require(QString::fromLatin1(id)));
    m_filtersMenu = new QMenu(QStringLiteral("Vis &filtyper"), m_list);
    for (int filter = 0; filter < FileTypeFilterCount; ++filter) {
        const FilterLook &look = Filters[filter];
        QAction *entry = m_filtersMenu->addAction(QString::fromUtf8(look.menuCaption ? look.menuCaption : look.caption));
        entry->setCheckable(true);
        entry->setChecked(FileTypeFilter(filter) == m_filter);
        connect(entry, &QAction::triggered, this, [this, filter] { chooseFilter(FileTypeFilter(filter)); });
        m_filterEntries << entry;
    }
    m_menu = new FileListMenu(*m_list, *m_viewsMenu, *m_filtersMenu);
    m_menu->setBeforeUse([this] { settleMenu(); });
    connect(m_menu->open, &QAction::triggered, this, &FilePanelCommands::openSelected);
    connect(m_menu->insertReference, &QAction::triggered, this, &FilePanelCommands::insertReference);
    connect(m_menu->selectAll, &QAction::triggered, m_list, &TFileList::selectAll);
    connect(m_menu->refresh, &QAction::triggered, m_list, &TFileList::refresh);
    connect(m_menu->properties, &QAction::triggered, this, &FilePanelCommands::showProperties);
    connect(m_menu->moveTo, &QAction::triggered, this, [this] { transferSelected(TargetFolderPurpose::Move); });
    connect(m_menu->copyTo, &QAction::triggered, this, [this] { transferSelected(TargetFolderPurpose::Copy); });
    connect(m_menu->remove, &QAction::triggered, this, [this] {
        deleteFiles(m_list->selectedPaths(), m_workbench.prompter());
        m_list->refresh();
    });
    connect(m_menu->rename, &QAction::triggered, m_list, &TFileList::startRename);
    m_list->setRenamer([this](const ListedEntry &entry, const QString &newName) {
        const bool renamed = renameFile(m_list->Directory() + entry.name, newName, m_workbench.prompter()).anyChanged();
        // The list is read again once the view has finished with the edited entry.
        QTimer::singleShot(0, m_list, [list = m_list, newName] {
            list->refresh();
            list->selectName(newName);
        });
        return renamed;
    });
    connect(m_menu->correctNames, &QAction::triggered, this, &FilePanelCommands::correctNames);
    m_workbench.commands().handle(QStringLiteral("actRetFilnavne"), [this] { correctNames(); });
    connect(m_list, &TFileList::filesDropped, this, [this](const QStringList &paths) {
        {
            BusyDisplay busy(m_workbench.status().progressBar());
            copyFiles(paths, m_list->Directory(), m_workbench.prompter(), busy.progress());
        }
        m_list->refresh();
    });
    connect(m_tree, &TDirTree::entriesDropped, this, [this](const QStringList &paths, const QString &folder) {
        {
            BusyDisplay busy(m_workbench.status().progressBar());
            moveFiles(paths, folder, m_workbench.prompter(), busy.progress());
        }
        m_list->refresh();
    });
    PublishRequests &publishing = m_workbench.publishRequests();
    connect(m_menu->upload, &QAction::triggered, this, [this, &publishing] {
        const QStringList paths = m_list->selectedPaths();
        const QString label = paths.size() == 1 ? QFileInfo(paths.first()).fileName()
                                                : QStringLiteral("%1 %2").arg(paths.size()).arg(QStringLiteral("fil(er)"));
        if (!paths.isEmpty())
            emit publishing.uploadFiles(paths, label);
    });
    connect(m_list, &TFileList::remoteFilesDropped, this,
            [this, &publishing] { emit publishing.downloadInto(m_list->Directory()); });
    connect(&publishing, &PublishRequests::localFilesChanged, this, [this](const QString &folder) {
        if (QDir(folder) == QDir(m_list->Directory()))
            m_list->refresh();
    });
    // Waiting for the part it belongs to.
    m_menu->imageViewer->setEnabled(false);
}

void FilePanelCommands::settleMenu()
{
    const bool selected = !m_list->selectedPaths().isEmpty();
    for (QAction *entry :
         {m_menu->open, m_menu->moveTo, m_menu->copyTo, m_menu->upload, m_menu->remove, m_menu->rename, m_menu->properties})
        entry->setVisible(selected);
    for (QAction *entry : {m_menu->selectAll, m_menu->correctNames, m_menu->refresh, m_menu->imageViewer})
        entry->setVisible(!selected);
    m_viewsMenu->menuAction()->setVisible(!selected);
    m_filtersMenu->menuAction()->setVisible(!selected);
    const bool browserShown = m_workbench.commands().require(QStringLiteral("actInternBrowser")).isChecked();
    m_menu->insertReference->setVisible(selected && !browserShown);
    const QStringList paths = m_list->selectedPaths();
    const QString htmlFilter = m_workbench.options().options().htmlFilter;
    m_menu->insertReference->setEnabled(!paths.isEmpty() && referenceable(paths.first(), htmlFilter));
    m_menu->properties->setEnabled(bool(m_services.showProperties));
    m_menu->upload->setEnabled(m_workbench.publishRequests().available());
}

bool FilePanelCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && !m_shownOnce) {
        m_shownOnce = true;
        const int style = m_services.viewStyle();
        if (style >= TFileList::LargeIcons && style <= TFileList::Details)
            setViewStyle(style);
        showFirstFolder();
        QTimer::singleShot(0, this, &FilePanelCommands::sizePreviewPane);
    }
    return QObject::eventFilter(watched, event);
}

void FilePanelCommands::showFirstFolder()
{
    QString folder = m_services.folder();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    if (!m_tree->goTo(folder))
        m_tree->goTo(QDir::homePath());
}

void FilePanelCommands::folderChosen(const QString &folder)
{
    m_services.setFolder(folder);
    m_preview->clearPicture();
    m_announceListing = true;
    m_list->setDirectory(folder);
}

void FilePanelCommands::chooseFilter(FileTypeFilter filter)
{
    m_filter = filter;
    for (int other = 0; other < FileTypeFilterCount; ++other) {
        m_filterEntries[other]->setChecked(other == int(filter));
        if (m_filterButtons[other])
            m_filterButtons[other]->setChecked(other == int(filter));
    }
    m_workbench.commands().refresh(CommandCause::View);
    m_announceListing = true;
    m_list->setMask(filterMask(filter));
    sizePreviewPane();
}

QString FilePanelCommands::filterMask(FileTypeFilter filter) const
{
    const auto &options = m_workbench.options().options();
    return fileTypeMask(filter, options.htmlFilter, options.scriptFilter);
}

bool FilePanelCommands::previewShown() const
{
    return m_filter == FileTypeFilter::Images && m_workbench.options().options().imagesInFileList;
}

void FilePanelCommands::sizePreviewPane()
{
    SettingsStore &settings = m_workbench.settings();
    const bool shown = previewShown();
    m_preview->setVisible(shown);
    if (!shown)
        m_preview->clearPicture();
    m_splitter->setHandleWidth(shown ? PreviewHandleHeight : 1);
    if (!m_shownOnce)
        return; // sized when the page first shows, once it has its height
    // The tree keeps the height the user gave it, and starts at the stored one.
    int tree = std::exchange(m_treeSized, true) ? m_splitter->sizes().value(0) : m_services.treeHeight();
    const int preview = shown
        ? std::max(SmallestPreviewHeight, settings.readInt(StartSection, QStringLiteral("ViewerHoejde"), DefaultPreviewHeight))
        : 0;
    const int total = m_splitter->height();
    // A list lower than its least height takes the difference from the tree.
    if (shown && total - tree - preview < SmallestListHeight)
        tree = std::max(0, tree - (SmallestListHeight - (total - tree - preview)));
    m_splitter->setSizes({tree, preview, std::max(0, total - tree - preview)});
}

void FilePanelCommands::setViewStyle(int style)
{
    m_list->setViewStyle(TFileList::ViewStyle(style));
    m_services.setViewStyle(style);
    m_workbench.commands().refresh(CommandCause::View);
}

void FilePanelCommands::entryChosen(const QString &path, const ListedEntry &entry)
{
    TFriendlyStatusBar &status = m_workbench.status();
    if (FileClasses::isHtmlFile(path, m_workbench.options().options().htmlFilter)) {
        status.setPanelText(0, DocumentTitle(path));
    } else if (FileClasses::isImageFile(path)) {
        QSize size;
        {
            BusyDisplay busy(status.progressBar());
            size = m_preview->showPicture(path);
        }
        status.setPanelText(
            0,
            QStringLiteral("Billedfil %1")
                .arg(size.isValid() ? QStringLiteral("%1 x %2 pixels").arg(size.width()).arg(size.height()) : QString()));
    } else {
        status.setPanelText(0, QString());
    }
    status.setPanelText(1, FormatSize(entry.size));
}

void FilePanelCommands::OpenByType(const QString &path)
{
    const auto &options = m_workbench.options().options();
    // Style sheets and scripts are documents too until their own editor comes.
    if (FileClasses::isHtmlFile(path, options.htmlFilter) || FileClasses::isTextFile(path) || FileClasses::isStylesheet(path)
        || FileClasses::isScriptFile(path, options.scriptFilter))
        m_services.openDocument(path);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void FilePanelCommands::openSelected()
{
    for (const QString &path : m_list->selectedPaths())
        OpenByType(path);
}

void FilePanelCommands::insertReference()
{
    const QStringList paths = m_list->selectedPaths();
    if (paths.isEmpty())
        return;
    TLEdit &editor = m_workbench.activeEditor();
    insertReferenceInto(editor, paths.first());
    editor.setFocus();
}

void FilePanelCommands::insertReferenceInto(TLEdit &editor, const QString &path)
{
    // A picture's element carries the picture's own size, read from the file
    // (none when it cannot be read): the picture previewed last may be another.
    const QSize pictureSize = FileClasses::isImageFile(path) ? QImageReader(path).size().expandedTo(QSize(0, 0)) : QSize();
    InsertFileReference(editor, m_workbench.documents().active().path, path, pictureSize,
                        m_workbench.options().options().emptyElementSuffix());
}

void FilePanelCommands::showProperties()
{
    const std::optional<ListedFileFacts> facts = m_list->currentFacts();
    if (facts && m_services.showProperties)
        m_services.showProperties(facts->folder + facts->name, *facts);
}

void FilePanelCommands::transferSelected(TargetFolderPurpose purpose)
{
    const QStringList paths = m_list->selectedPaths();
    const QString target = chooseTargetFolder(m_workbench.prompter(), purpose, m_list->Directory());
    if (paths.isEmpty() || target.isEmpty())
        return;
    BusyDisplay busy(m_workbench.status().progressBar());
    if (purpose == TargetFolderPurpose::Move) {
        moveFiles(paths, target, m_workbench.prompter(), busy.progress());
        m_list->refresh();
    } else {
        copyFiles(paths, target, m_workbench.prompter(), busy.progress());
    }
}

void FilePanelCommands::correctNames()
{
    correctFileNames(m_workbench.prompter(), &m_workbench.window(), m_list->Directory(), m_list->Mask(), m_list->names());
    m_list->refresh();
}

void FilePanelCommands::createFolder()
{
    const QString folder = m_tree->currentFolder();
    const std::optional<QString> name = m_workbench.prompter().inputText(QStringLiteral("Ny mappe"),
                                                                         QStringLiteral("Angiv navnet på mappen:"), QString());
    // A folder that cannot be made is not reported; the tree shows what there is.
    if (!name || name->isEmpty() || folder == QLatin1String("?"))
        return;
    QDir(folder).mkdir(*name);
    m_tree->reload();
}
