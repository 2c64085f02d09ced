#include "app/TfrmPW4.h"

#include "app/MainToolBars.h"
#include "app/ShellCommands.h"
#include "app/SingleInstance.h"
#include "app/TfrmSplash.h"
#include "completion/CodeCompletion.h"
#include "core/AppFolders.h"
#include "core/OptionsModel.h"
#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "core/SettingsKeys.h"
#include "core/SettingsStore.h"
#include "dialogs/DialogCommands.h"
#include "dialogs/settings/TfrmIndstil.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentCommands.h"
#include "documents/FileDropOpener.h"
#include "editing/EditorCommands.h"
#include "editor/DocumentEditorSetup.h"
#include "editor/TLEdit.h"
#include "editor/TLEditLines.h"
#include "filepanel/FilePanelCommands.h"
#include "filepanel/PropertiesCommands.h"
#include "html/CommaText.h"
#include "html/HtmlCommands.h"
#include "preview/PreviewCommands.h"
#include "preview/browser/InternalBrowserCommands.h"
#include "preview/server/ServerPreviewCommands.h"
#include "projects/ProjectPanelCommands.h"
#include "publish/PublishCommands.h"
#include "resources/LibraryCommands.h"
#include "resources/LibraryTab.h"
#include "resources/TextMaps.h"
#include "search/SearchCommands.h"
#include "workbench/CommandRegistry.h"
#include "workbench/TFriendlyStatusBar.h"
#include "workbench/UiFont.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHeaderView>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int SplitterMinimum = 160;
const QString NewDocumentCaption = QStringLiteral("Nyt dokument 1");

} // namespace

TfrmPW4::TfrmPW4(const MainWindowServices &services, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(services.settings)
    , m_prompter(services.prompter)
    , m_programFolder(services.programFolder)
    , m_defaultUserDataFolder(services.defaultUserDataFolder)
    , m_libraryFiles(services.programFolder)
{
    setObjectName(QStringLiteral("frmPW4"));
    applyUiFont(this);
    setWindowTitle(Product::Caption + QLatin1Char(' ') + Product::VersionText);
    reportUnreadableSettings();

    // The options are read before the first editor is made.
    m_options = new OptionsModel(m_settings, settingsDefaults(m_defaultUserDataFolder), this);
    buildLayout();
    m_settingsDialog = new TfrmIndstil(*m_options, m_prompter, this);
    connect(m_options, &OptionsModel::changed, this, &TfrmPW4::applySettings);
    connect(m_settingsDialog, &TfrmIndstil::checkExclusionsChanged, m_libraryTab, &LibraryTab::reloadHtmlLibrary);
    attachParts();
    loadTextMaps();
    m_documentArea->addDocument(NewDocumentCaption);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive && m_shownOnce)
            m_documentCommands->CheckExternalChanges();
    });
    settleUserDataFolder();
    restoreState();
    m_status->setPanelText(5, Product::Caption + QLatin1Char(' ') + Product::VersionText + QString(6, QLatin1Char(' ')));
}

TfrmPW4::~TfrmPW4()
{
    // The parts watch the documents' widgets and the status bar through this
    // window's workbench side: the widgets go while it is still whole.
    delete takeCentralWidget();
    delete m_status;
}

void TfrmPW4::buildLayout()
{
    m_resourcePanel = new QTabWidget;
    m_resourcePanel->setObjectName(QStringLiteral("pcResurser"));
    for (const QString &page : {QStringLiteral("Filer"), QStringLiteral("Projekter"), QStringLiteral("Sitemap")}) {
        auto *sheet = new QWidget;
        sheet->setObjectName(QStringLiteral("ts") + page);
        m_resourcePanel->addTab(sheet, page);
    }
    m_libraryTab = new LibraryTab({m_libraryLists, m_libraryFiles, m_prompter, m_programFolder,
                                   [this] { return CommaText::split(m_options->options().checkExclusions); },
                                   [this] { return ActiveEditor(); }});
    connect(m_libraryTab, &LibraryTab::htmlLibraryLoaded, this, &TfrmPW4::refreshElementNames);
    m_resourcePanel->addTab(m_libraryTab, QStringLiteral("Bibliotek"));
    m_resourcePanel->setMinimumWidth(SplitterMinimum);

    m_documentArea = new DocumentArea(m_documents);
    m_documentArea->setEditorSetup([this](TLEdit &editor) { setUpEditor(editor); });
    m_documentArea->setMinimumWidth(SplitterMinimum);
    connect(&m_documents, &DocumentList::activeChanged, this, [this] {
        if (m_shownOnce)
            m_documentCommands->ShowActiveDocument();
    });

    m_results = new QTreeWidget;
    m_results->setObjectName(QStringLiteral("lwResultater"));
    m_results->setColumnCount(3);
    m_results->setRootIsDecorated(false);
    m_results->hide();

    auto *right = new QWidget;
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    rightLayout->addWidget(m_documentArea, 1);
    rightLayout->addWidget(m_results);

    m_splitter = new QSplitter(Qt::Horizontal);
    m_splitter->setObjectName(QStringLiteral("splResurser"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(m_resourcePanel);
    m_splitter->addWidget(right);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    connect(m_splitter, &QSplitter::splitterMoved, this, &TfrmPW4::updateStatusLayout);
    setCentralWidget(m_splitter);

    m_status = new TFriendlyStatusBar;
    setStatusBar(m_status);
}

// Each part of the program attaches its own commands; the order is the order
// in which they see a new editor's events last to first.
void TfrmPW4::attachParts()
{
    m_commands = new CommandRegistry(*this);
    m_commands->buildMenus(*menuBar());
    MainToolBars::buildEditor(*m_documentArea->editorToolBar(), *m_commands);

    m_documentCommands = new DocumentCommands(*this);
    m_fileDrops = new FileDropOpener(*this, *m_documentCommands);
    m_editorCommands = new EditorCommands(*this);
    m_htmlCommands = new HtmlCommands(*this, m_libraryLists);
    m_searchCommands = new SearchCommands(*this, *m_documentCommands, [this] { return m_state.fileFolder; });
    m_completion = new CodeCompletion(*this, m_libraryLists, m_libraryFiles);
    new LibraryCommands(*this, *m_libraryTab);
    auto *properties = new PropertiesCommands(*this);
    m_dialogCommands = new DialogCommands(*this, m_libraryFiles, m_libraryLists, *m_settingsDialog);
    m_shellCommands = new ShellCommands(*this, *m_settingsDialog, [this](bool shown) { setResourcePanelShown(shown); });
    auto *preview = new PreviewCommands(
        *this, *m_settingsDialog,
        {[this](int tab) { return m_documentCommands->FilGem(tab); }, [this] { return m_state.fileFolder; }});
    new ServerPreviewCommands(*this);
    new InternalBrowserCommands(
        *this, [preview] { return preview->internalTarget(); },
        [this] { m_documentCommands->UpdateDocumentCaption(m_documentArea->currentIndex()); });

    MainToolBars::buildMain(*this, *m_commands);
    MainToolBars::buildFilePanel(*m_resourcePanel->widget(0));
    new FilePanelCommands(
        *this, *m_resourcePanel->widget(0),
        {.folder = [this] { return m_state.fileFolder; },
         .setFolder = [this](const QString &folder) { m_state.fileFolder = folder; },
         .viewStyle = [this] { return m_state.fileListView; },
         .setViewStyle = [this](int style) { m_state.fileListView = style; },
         .treeHeight = [this] { return m_state.folderTreeHeight; },
         .setTreeHeight = [this](int height) { m_state.folderTreeHeight = height; },
         .openDocument = [this](const QString &path) { m_documentCommands->FilAabn(path); },
         .showProperties = [properties](const QString &path,
                                        const ListedFileFacts &facts) { properties->showFileProperties(path, facts); },
         .takeReferenceInserter = [this](auto inserter) { m_editorCommands->setFileReferenceInserter(std::move(inserter)); },
         .userDataFolder = [this] { return m_userDataFolder; }});
    new ProjectPanelCommands(*this, *m_resourcePanel->widget(1),
                             {[this] { return m_userDataFolder; },
                              [this](const QString &path) { m_documentCommands->FilAabn(path); },
                              [properties](const QString &path) { properties->showFileProperties(path, std::nullopt); },
                              [this](auto projects) { m_searchCommands->setProjects(std::move(projects)); },
                              [this](int project, bool replacing) { m_searchCommands->showForProject(project, replacing); }});
    new PublishCommands(*this, {[this] { return m_userDataFolder; }, [this] { return m_state.fileFolder; }});
    auto *toResources = new QShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Tab), this);
    toResources->setContext(Qt::WindowShortcut);
    connect(toResources, &QShortcut::activated, this, [this] {
        if (!m_resourcePanel->isHidden())
            m_resourcePanel->setFocus();
    });
}

void TfrmPW4::loadTextMaps()
{
    const auto load = [this](const QString &fileName, QStringList &target) {
        const QString path = AppFolders::join(m_programFolder, fileName);
        if (const auto lines = TextMaps::load(path)) {
            target = *lines;
            return;
        }
        m_prompter.message({Product::Caption,
                            QStringLiteral("%1 kan ikke finde %2").arg(Product::Caption, QDir::toNativeSeparators(path)),
                            Prompter::Icon::Warning, Prompter::Ok});
    };
    load(TextMaps::EventMapFile, m_libraryLists.EventMap);
    load(TextMaps::GlobalMapFile, m_libraryLists.GlobalAttributeMap);
}

void TfrmPW4::reportUnreadableSettings()
{
    if (!m_settings.unreadable())
        return;
    m_prompter.message({Product::Caption,
                        QStringLiteral("Kan ikke læse indstillingsfilen %1.\n\n%2 starter med standardindstillingerne, "
                                       "og ændrede indstillinger gemmes ikke i filen.")
                            .arg(QDir::toNativeSeparators(m_settings.path()), Product::Name),
                        Prompter::Icon::Warning, Prompter::Ok});
}

void TfrmPW4::settleUserDataFolder()
{
    const AppFolders::UserDataChoice choice = AppFolders::settleUserDataFolder(m_settings, m_defaultUserDataFolder);
    m_userDataFolder = choice.folder;
    if (choice.missingFolder.isEmpty())
        return;
    m_prompter.message(
        {QStringLiteral("Brugerdatamappe"),
         QStringLiteral("%1 kunne ikke finde den tidligere anvendte brugerdatamappe, %2. "
                        "Mappen sættes til %3. Hvis brugerdata findes i en anden mappe, skal du "
                        "angive stien under Funktioner, Indstillinger.")
             .arg(Product::Name, QDir::toNativeSeparators(choice.missingFolder), QDir::toNativeSeparators(choice.folder)),
         Prompter::Icon::Warning, Prompter::Ok});
}

void TfrmPW4::restoreState()
{
    m_state = MainWindowState::read(m_settings);
    m_documentCommands->setSaveFolder(m_state.fileFolder);
    // A place on a screen that is no longer there gives way to the default.
    const QRect stored(m_state.left, m_state.top, m_state.width, m_state.height);
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (!screens.isEmpty() && std::none_of(screens.cbegin(), screens.cend(), [&](const QScreen *screen) {
            return screen->availableGeometry().intersects(stored);
        })) {
        const MainWindowState defaults;
        m_state.left = defaults.left;
        m_state.top = defaults.top;
        m_state.width = defaults.width;
        m_state.height = defaults.height;
    }
    if (!m_state.placeStored)
        takeFirstPlace();
    move(m_state.left, m_state.top);
    resize(m_state.width, m_state.height);
    m_splitter->setSizes({m_state.resourcePanelWidth, std::max(SplitterMinimum, m_state.width - m_state.resourcePanelWidth)});
    if (m_state.resourcePage >= 0 && m_state.resourcePage < m_resourcePanel->count())
        m_resourcePanel->setCurrentIndex(m_state.resourcePage);
    setResourcePanelShown(m_state.resourcePanelShown);
    // The code editor is the only view until the internal browser comes.
    m_commands->require(QStringLiteral("actKodeeditor")).setChecked(true);
    m_commands->require(QStringLiteral("actArbejdOffline")).setChecked(m_state.workOffline);
}

void TfrmPW4::takeFirstPlace()
{
    // The stored default was sized for the screens of its time: a first
    // start takes most of today's screen, centred, and never less.
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    m_state.width = std::max(m_state.width, available.width() * 4 / 5);
    m_state.height = std::max(m_state.height, available.height() * 4 / 5);
    m_state.left = available.left() + std::max(0, (available.width() - m_state.width) / 2);
    m_state.top = available.top() + std::max(0, (available.height() - m_state.height) / 2);
}

void TfrmPW4::showAsStored()
{
    switch (m_state.status) {
    case MainWindowState::Maximized:
        showMaximized();
        break;
    case MainWindowState::Minimized:
        showMinimized();
        break;
    default:
        show();
        break;
    }
}

void TfrmPW4::setResourcePanelShown(bool shown)
{
    m_resourcePanel->setVisible(shown);
    m_commands->require(QStringLiteral("actResursefaner")).setChecked(shown);
    updateStatusLayout();
}

void TfrmPW4::showResourcePage(QWidget &page)
{
    if (m_resourcePanel->isHidden())
        setResourcePanelShown(true);
    m_resourcePanel->setCurrentWidget(&page);
}

void TfrmPW4::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        firstShown();
    }
}

void TfrmPW4::firstShown()
{
    if (m_splash) {
        m_splash->hide();
        m_splash->deleteLater();
        m_splash = nullptr;
    }
    // Sizes given before the first layout are not kept exactly.
    if (!m_resourcePanel->isHidden())
        m_splitter->setSizes({m_state.resourcePanelWidth, std::max(SplitterMinimum, width() - m_state.resourcePanelWidth)});
    activeEditor().ClearModified();
    // "HTML" is the library shown first; its element names serve the whole window.
    m_libraryTab->ShowLibrary(LibraryTab::Html);
    m_documentCommands->ShowActiveDocument();
    if (!m_commandLineFiles.isEmpty())
        OpenFiles(std::exchange(m_commandLineFiles, QString()));
    Q_EMIT firstShownDone();
}

void TfrmPW4::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    updateStatusLayout();
}

void TfrmPW4::updateStatusLayout()
{
    const QHeaderView *header = m_results->header();
    const StatusBarLayout layout = StatusBarLayout::compute(width(), logicalDpiX(), header->sectionSize(0),
                                                            header->sectionSize(1));
    m_status->applyLayout(layout);
    m_results->setColumnWidth(2, layout.resultsThirdColumnWidth);
}

DocumentEditorLook TfrmPW4::editorLook() const
{
    DocumentEditorLook look;
    look.options = m_options->options();
    look.colours = m_options->options().colours();
    for (const QString &name : std::as_const(m_libraryLists.ElementNames))
        look.elementNames.insert(name.toLower());
    return look;
}

void TfrmPW4::applySettings()
{
    const DocumentEditorLook look = editorLook();
    for (int tab = 0; tab < m_documentArea->count(); ++tab)
        applyLook(*m_documentArea->editorAt(tab), look);
    m_documentArea->gutter()->update(); // its numbers follow the editors' font
    if (!m_shownOnce)
        return;
    for (int tab = 0; tab < m_documentArea->count(); ++tab)
        m_documentCommands->UpdateDocumentCaption(tab);
    m_documentCommands->UpdateDocumentCaption(m_documentArea->currentIndex());
}

void TfrmPW4::refreshElementNames()
{
    const DocumentEditorLook look = editorLook();
    for (int tab = 0; tab < m_documentArea->count(); ++tab)
        applyLook(*m_documentArea->editorAt(tab), look);
    m_settingsDialog->setElementNames(look.elementNames);
}

void TfrmPW4::setUpEditor(TLEdit &editor)
{
    configureDocumentEditor(editor, editorLook());
    // Files dropped on the editor open as documents instead of being pasted.
    m_fileDrops->watch(*editor.viewport());
    m_fileDrops->watch(editor);
    m_libraryTab->watchEditor(editor);
}

TLEdit &TfrmPW4::activeEditor() const
{
    return *m_documentArea->editorAt(m_documentArea->currentIndex());
}

QAction *TfrmPW4::command(const QString &id) const
{
    return m_commands->command(id);
}

void TfrmPW4::OpenFiles(const QString &fileListText)
{
    m_documentCommands->openFiles(FileListMessage::paths(fileListText));
}

void TfrmPW4::receiveHandOver(const QString &fileListText)
{
    OpenFiles(fileListText);
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    if (!isVisible())
        showAsStored();
    raise();
    activateWindow();
}

void TfrmPW4::closeEvent(QCloseEvent *event)
{
    // Refused until every document is closed: a cancelled question, or a
    // failed save that reaches the error report, keeps the program running
    // with the documents not closed yet.
    event->ignore();
    if (!m_documentCommands->closeAll())
        return;
    writeState();
    // A file that could not be read was reported at the start, and is left as it is.
    if (!m_settings.flush() && !m_settings.unreadable()) {
        m_prompter.message({Product::Caption,
                            QStringLiteral("%1 kan ikke gemme indstillingerne i %2.")
                                .arg(Product::Name, QDir::toNativeSeparators(m_settings.path())),
                            Prompter::Icon::Warning, Prompter::Ok});
    }
    event->accept();
}

void TfrmPW4::writeState()
{
    MainWindowState state = m_state;
    if (isMaximized())
        state.status = MainWindowState::Maximized;
    else if (isMinimized())
        state.status = MainWindowState::Minimized;
    else
        state.status = MainWindowState::Normal;
    state.left = pos().x();
    state.top = pos().y();
    state.width = width();
    state.height = height();
    if (!m_resourcePanel->isHidden())
        state.resourcePanelWidth = m_splitter->sizes().value(0, state.resourcePanelWidth);
    state.resourcePage = m_resourcePanel->currentIndex();
    state.resourcePanelShown = !m_resourcePanel->isHidden();
    state.workOffline = m_commands->require(QStringLiteral("actArbejdOffline")).isChecked();
    state.write(m_settings, {m_resourcePanel->widget(0)->isVisible(), false});
    m_settings.writeBool(Keys::Indstillinger, Keys::MSIE, m_options->options().internalExplorer);
}
