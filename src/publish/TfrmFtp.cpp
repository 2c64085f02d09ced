#include "publish/TfrmFtp.h"

#include "core/DanishLocale.h"
#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "core/SettingsStore.h"
#include "projects/PublishRecord.h"
#include "publish/FtpLog.h"
#include "publish/FtpSitePanel.h"
#include "publish/FtpWindowSettings.h"
#include "publish/ListingTexts.h"
#include "publish/RemoteListing.h"
#include "publish/TSimpleFTP.h"
#include "publish/TfrmProgress.h"
#include "workbench/HelpLine.h"
#include "workbench/UiFont.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int PanelHeight = 140;
const QString ListingHelp = QStringLiteral(
    "Oversigt over indholdet på serveren. Overfør filer ved at trække dem til og fra Pagewicks filhåndtering.");
constexpr int ClosedPanelHeight = 2;

int scaled(const QWidget &widget, int pixels)
{
    return pixels * widget.logicalDpiY() / 96;
}

} // namespace

TfrmFtp::TfrmFtp(const FtpWindowServices &services, QWidget *parent)
    // A window of its own that stays above the main window.
    : QMainWindow(parent, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
    , m_services(services)
    , m_siteStore(std::make_unique<SiteStore>(services.settings, services.passwordPlace))
    , m_ftp(new TSimpleFTP(this))
    , m_help(new HelpLine)
    , m_listing(new RemoteListing)
    , m_panel(new FtpSitePanel(*m_help))
    , m_log(new FtpLog)
    , m_propertiesArea(new QWidget)
    , m_sites(new QComboBox)
    , m_folders(new QComboBox)
    , m_statusText(new QLabel)
    , m_countText(new QLabel)
    , m_sizeText(new QLabel)
{
    setObjectName(QStringLiteral("frmFtp"));
    setWindowTitle(QStringLiteral("Overførsel til Internet"));
    setAttribute(Qt::WA_DeleteOnClose);
    applyUiFont(this);
    m_ftp->setSilentExceptions(true);
    m_ftp->setPrompter(&m_services.prompter);

    buildCommands();
    buildMenus();
    buildToolBar();
    buildLayout();

    connect(m_ftp, &TWinInetControl::OnStateChange, this, &TfrmFtp::showState);
    connect(m_ftp, &TWinInetControl::OnError, this, [this](quint16 code) {
        m_lastError = m_ftp->ErrorText(code);
        m_log->add(m_lastError);
    });
    connect(m_ftp, &TWinInetControl::OnConnected, this, &TfrmFtp::connected);
    connect(m_ftp, &TWinInetControl::OnDisconnected, this, &TfrmFtp::disconnected);
    connect(m_listing, &RemoteListing::folderActivated, this,
            [this](const QString &name) { enterFolder(ListingTexts::childPath(m_ftp->RemoteDir(), name)); });
    connect(m_listing, &RemoteListing::selectionChanged, this, &TfrmFtp::updateCommands);
    connect(m_listing, &RemoteListing::menuRequested, this, &TfrmFtp::showListingMenu);
    connect(m_listing, &RemoteListing::deleteRequested, this, &TfrmFtp::deleteSelected);
    connect(m_listing, &RemoteListing::projectDropped, this, &TfrmFtp::projectDropped);
    connect(m_listing, &RemoteListing::filesDropped, this, &TfrmFtp::uploadDropped);
    connect(&m_listing->model(), &RemoteListingModel::renameRequested, this, [this](const QString &from, const QString &to) {
        // The view is still closing its editor: the rename runs after it.
        QTimer::singleShot(0, this, [this, from, to] { renameRemote(from, to); });
    });
    connect(m_folders, &QComboBox::activated, this, &TfrmFtp::chooseFolderLevel);
    connect(m_sites, &QComboBox::activated, this, &TfrmFtp::selectSite);

    const FtpWindowSettings settings = FtpWindowSettings::read(m_services.settings, scaled(*this, 446));
    resize(settings.width, height());
    placeWindow();
    setView(settings.view);
    m_siteStore->convertOlderLayout();
    fillSiteList();
    if (m_sites->count() > 0)
        selectSite(std::clamp(settings.site, 0, m_sites->count() - 1));
    disconnected();
    setStatusText(m_ftp->StateText(m_ftp->State()));
}

TfrmFtp::~TfrmFtp() = default;

TfrmProgress *TfrmFtp::progressWindow() const
{
    return m_progress;
}

void TfrmFtp::finishCall()
{
    if (--m_callDepth == 0 && m_closeAfterCall)
        QTimer::singleShot(0, this, &QWidget::close);
}

QAction *TfrmFtp::addCommand(const char *name, const QString &caption, const QString &keys)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    if (!keys.isEmpty())
        action->setShortcut(QKeySequence(keys));
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    m_commands.insert(action->objectName(), action);
    return action;
}

QAction *TfrmFtp::command(const QString &name) const
{
    return m_commands.value(name);
}

void TfrmFtp::buildCommands()
{
    struct Entry
    {
        const char *name;
        QString caption;
        QString keys;
        QString hint; // the tool bar's name for it
        std::function<void()> run;
    };
    const QList<Entry> entries = {
        {"actNy", QStringLiteral("&Ny"), QStringLiteral("Ctrl+N"), {}, [this] { newSite(); }},
        {"actGem", QStringLiteral("&Gem som..."), QStringLiteral("Ctrl+S"), QStringLiteral("Gem forbindelse"),
         [this] { saveSite(); }},
        {"actSletForbindelse", QStringLiteral("&Slet"), QStringLiteral("Ctrl+Del"), {}, [this] { deleteSite(); }},
        {"actEgenskaber", QStringLiteral("&Egenskaber"), QStringLiteral("Alt+Return"), QStringLiteral("Forbindelsens egenskaber"),
         [this] { toggleProperties(); }},
        {"actTilslut", QStringLiteral("&Tilslut"), QStringLiteral("Ctrl+F"), QStringLiteral("Tilslut"),
         [this] { connectToSite(); }},
        {"actStart", QStringLiteral("Sta&rt overførsel"), QStringLiteral("Ctrl+O"), QStringLiteral("Start overførsel"),
         [this] { startUpload(); }},
        {"actStop", QStringLiteral("St&op overførsel"), QStringLiteral("Ctrl+Q"), QStringLiteral("Stop overførsel"),
         [this] { m_ftp->Abort(); }},
        {"actAfbryd", QStringLiteral("Af&bryd"), QStringLiteral("Ctrl+Shift+Q"), QStringLiteral("Afbryd forbindelsen"),
         [this] { disconnectFromSite(); }},
        {"actOverfoerTil",
         QStringLiteral("&Overfør til..."),
         {},
         QStringLiteral("Overfør til..."),
         [this] { chooseDownloadFolder(); }},
        {"actNyMappe", QStringLiteral("&Ny mappe"), QStringLiteral("Ctrl+M"), QStringLiteral("Opret ny mappe"),
         [this] { newRemoteFolder(); }},
        {"actSlet", QStringLiteral("&Slet"), {}, {}, [this] { deleteSelected(); }},
        {"actOmdoeb", QStringLiteral("O&mdøb"), QStringLiteral("F2"), {}, [this] { m_listing->startRename(); }},
        {"actMarkerAlt", QStringLiteral("M&arker alt"), QStringLiteral("Ctrl+A"), {}, [this] { m_listing->selectAll(); }},
        {"actOpdater", QStringLiteral("&Opdater"), QStringLiteral("F5"), {}, [this] { refreshListing(); }},
        {"actNiveauOp", QStringLiteral("Et niveau op"), {}, QStringLiteral("Et niveau op"), [this] { goUp(); }},
    };
    for (const Entry &entry : entries) {
        QAction *action = addCommand(entry.name, entry.caption, entry.keys);
        if (!entry.hint.isEmpty())
            action->setToolTip(entry.hint);
        connect(action, &QAction::triggered, this, entry.run);
    }

    const QList<QPair<const char *, QString>> views = {{"actStoreIkoner", QStringLiteral("&Store ikoner")},
                                                       {"actSmaaIkoner", QStringLiteral("S&må ikoner")},
                                                       {"actOversigt", QStringLiteral("O&versigt")},
                                                       {"actDetaljer", QStringLiteral("D&etaljer")}};
    const int viewCodes[] = {RemoteListing::LargeIcons, RemoteListing::SmallIcons, RemoteListing::List, RemoteListing::Details};
    auto *viewGroup = new QActionGroup(this);
    for (int i = 0; i < views.size(); ++i) {
        QAction *view = addCommand(views[i].first, views[i].second);
        view->setCheckable(true);
        view->setData(viewCodes[i]);
        viewGroup->addAction(view);
        connect(view, &QAction::triggered, this, [this, code = viewCodes[i]] { setView(code); });
    }
    const QList<QPair<const char *, QString>> orders = {{"actEfterNavn", QStringLiteral("efter &navn")},
                                                        {"actEfterStoerrelse", QStringLiteral("efter &størrelse")},
                                                        {"actEfterType", QStringLiteral("efter &type")},
                                                        {"actEfterDato", QStringLiteral("efter &dato")}};
    for (int i = 0; i < orders.size(); ++i) {
        connect(addCommand(orders[i].first, orders[i].second), &QAction::triggered, this,
                [this, i] { m_listing->sortBy(ListingColumn(i)); });
    }
}

void TfrmFtp::buildMenus()
{
    QMenu *connection = menuBar()->addMenu(QStringLiteral("&Forbindelse"));
    connection->addActions(
        {command(QStringLiteral("actNy")), command(QStringLiteral("actGem")), command(QStringLiteral("actSletForbindelse"))});
    connection->addSeparator();
    connection->addAction(command(QStringLiteral("actEgenskaber")));
    connection->addSeparator();
    connection->addActions({command(QStringLiteral("actTilslut")), command(QStringLiteral("actStart")),
                            command(QStringLiteral("actStop")), command(QStringLiteral("actAfbryd"))});
    connection->addSeparator();
    QAction *closeEntry = connection->addAction(QStringLiteral("&Luk"));
    connect(closeEntry, &QAction::triggered, this, &QWidget::close);

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Rediger"));
    edit->addActions({command(QStringLiteral("actOverfoerTil")), command(QStringLiteral("actNyMappe"))});
    edit->addSeparator();
    edit->addActions({command(QStringLiteral("actSlet")), command(QStringLiteral("actOmdoeb"))});
    edit->addSeparator();
    edit->addAction(command(QStringLiteral("actMarkerAlt")));

    m_viewMenu = menuBar()->addMenu(QStringLiteral("&Vis"));
    m_viewMenu->addActions({command(QStringLiteral("actStoreIkoner")), command(QStringLiteral("actSmaaIkoner")),
                            command(QStringLiteral("actOversigt")), command(QStringLiteral("actDetaljer"))});
    m_viewMenu->addSeparator();
    m_arrangeMenu = m_viewMenu->addMenu(QStringLiteral("&Arranger ikoner"));
    m_arrangeMenu->addActions({command(QStringLiteral("actEfterNavn")), command(QStringLiteral("actEfterStoerrelse")),
                               command(QStringLiteral("actEfterType")), command(QStringLiteral("actEfterDato"))});
    m_viewMenu->addSeparator();
    m_viewMenu->addActions({command(QStringLiteral("actOpdater")), command(QStringLiteral("actNiveauOp"))});
}

void TfrmFtp::buildToolBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("Værktøjslinje"));
    bar->setObjectName(QStringLiteral("tbFtp"));
    bar->setMovable(false);
    bar->setIconSize(QSize(20, 20));
    // Each button shows its icon, and its hint on the help line.
    const QList<QPair<const char *, QStyle::StandardPixmap>> buttons = {
        {"actTilslut", QStyle::SP_DriveNetIcon},
        {"actAfbryd", QStyle::SP_DialogCloseButton},
        {"actStart", QStyle::SP_ArrowUp},
        {"actStop", QStyle::SP_MediaStop},
        {nullptr, {}},
        {"actGem", QStyle::SP_DialogSaveButton},
        {"actEgenskaber", QStyle::SP_FileDialogInfoView},
    };
    for (const auto &[name, icon] : buttons) {
        if (!name) {
            bar->addSeparator();
            continue;
        }
        QAction *action = command(QString::fromLatin1(name));
        action->setIcon(style()->standardIcon(icon));
        bar->addAction(action);
        m_help->attach(bar->widgetForAction(action), action->toolTip());
    }
    command(QStringLiteral("actNiveauOp"))->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
    bar->addSeparator();
    m_viewButton = new QToolButton;
    m_viewButton->setObjectName(QStringLiteral("btnVisning"));
    m_viewButton->setIcon(style()->standardIcon(QStyle::SP_FileDialogListView));
    m_viewButton->setToolTip(QStringLiteral("Visning"));
    m_viewButton->setPopupMode(QToolButton::MenuButtonPopup);
    auto *viewChoices = new QMenu(m_viewButton);
    viewChoices->addActions({command(QStringLiteral("actStoreIkoner")), command(QStringLiteral("actSmaaIkoner")),
                             command(QStringLiteral("actOversigt")), command(QStringLiteral("actDetaljer"))});
    m_viewButton->setMenu(viewChoices);
    connect(m_viewButton, &QToolButton::clicked, this, &TfrmFtp::stepView);
    bar->addWidget(m_viewButton);
}

void TfrmFtp::buildLayout()
{
    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(3);

    auto *siteRow = new QHBoxLayout;
    auto *siteLabel = new QLabel(QStringLiteral("F&orbindelse:"));
    siteLabel->setBuddy(m_sites);
    m_sites->setObjectName(QStringLiteral("cboForbindelse"));
    m_sites->setEditable(true);
    m_sites->setInsertPolicy(QComboBox::NoInsert);
    m_sites->setToolTip(QStringLiteral("Vælg en gemt forbindelse"));
    m_help->attach(m_sites, m_sites->toolTip(), siteLabel);
    siteRow->addWidget(siteLabel);
    siteRow->addWidget(m_sites, 1);
    layout->addLayout(siteRow);

    // The user may give the log more room at the fields' expense.
    auto *fieldsAndLog = new QSplitter(Qt::Horizontal);
    fieldsAndLog->setChildrenCollapsible(false);
    fieldsAndLog->addWidget(m_panel);
    fieldsAndLog->addWidget(m_log);
    fieldsAndLog->setStretchFactor(0, 3);
    fieldsAndLog->setStretchFactor(1, 2);
    m_log->setMinimumWidth(scaled(*this, 60));
    auto *propertiesLayout = new QHBoxLayout(m_propertiesArea);
    propertiesLayout->setContentsMargins(0, 0, 0, 0);
    propertiesLayout->addWidget(fieldsAndLog);
    m_propertiesArea->setFixedHeight(scaled(*this, ClosedPanelHeight));
    m_panel->hide();
    m_log->hide();
    layout->addWidget(m_propertiesArea);

    auto *folderRow = new QHBoxLayout;
    auto *folderLabel = new QLabel(QStringLiteral("&Mappe:"));
    folderLabel->setBuddy(m_folders);
    m_folders->setObjectName(QStringLiteral("cboMappe"));
    auto *upButton = new QToolButton;
    upButton->setDefaultAction(command(QStringLiteral("actNiveauOp")));
    folderRow->addWidget(folderLabel);
    folderRow->addWidget(m_folders, 1);
    folderRow->addWidget(upButton);
    // Controls without a text of their own bring back the first one.
    for (QWidget *plain : std::initializer_list<QWidget *>{m_folders, upButton, m_log})
        m_help->attach(plain, HelpLine::InitialText);
    layout->addLayout(folderRow);

    layout->addWidget(m_listing, 1);
    layout->addWidget(m_help);
    setCentralWidget(central);

    m_statusText->setObjectName(QStringLiteral("lblStatus"));
    m_countText->setObjectName(QStringLiteral("lblAntal"));
    m_sizeText->setObjectName(QStringLiteral("lblStoerrelse"));
    statusBar()->addWidget(m_statusText, 1);
    statusBar()->addPermanentWidget(m_countText);
    statusBar()->addPermanentWidget(m_sizeText);
}

void TfrmFtp::placeWindow()
{
    const QRect area = m_services.documentArea ? m_services.documentArea() : QRect();
    if (area.isEmpty())
        return;
    move(area.left(), area.top() + 61);
    resize(width(), std::max(minimumSizeHint().height(), area.height() - 19));
}

QString TfrmFtp::statusText() const
{
    return m_statusText->text();
}

void TfrmFtp::setStatusText(const QString &text)
{
    m_statusText->setText(text);
}

bool TfrmFtp::propertiesShown() const
{
    return m_panel->isVisible() || !m_panel->isHidden();
}

void TfrmFtp::toggleProperties()
{
    const bool show = m_panel->isHidden();
    m_panel->setVisible(show);
    m_log->setVisible(show);
    m_propertiesArea->setFixedHeight(scaled(*this, show ? PanelHeight : ClosedPanelHeight));
    if (show && m_panel->isEnabled())
        m_panel->server->setFocus();
}

void TfrmFtp::setView(int view)
{
    if (view < RemoteListing::SmallIcons || view > RemoteListing::Details)
        view = RemoteListing::List;
    m_listing->setView(RemoteListing::View(view));
    for (QAction *action : m_viewMenu->actions()) {
        if (action->isCheckable())
            action->setChecked(action->data().toInt() == view);
    }
    m_help->attach(m_listing->currentView(), ListingHelp);
}

// The view button steps through large icons, small icons, list and details.
void TfrmFtp::stepView()
{
    static const int order[] = {RemoteListing::LargeIcons, RemoteListing::SmallIcons, RemoteListing::List,
                                RemoteListing::Details};
    const int current = int(std::find(std::begin(order), std::end(order), m_listing->view()) - std::begin(order));
    setView(order[(current + 1) % 4]);
}

void TfrmFtp::goBusy()
{
    m_busy = true;
    m_listing->setBusy(true);
    updateCommands();
}

void TfrmFtp::ready()
{
    m_busy = false;
    m_listing->setBusy(false);
    setStatusText(QStringLiteral("Klar"));
    updateCommands();
}

// The enabled states follow the connection, the busy flag, the pending
// transfer and the selection of the listing.
void TfrmFtp::updateCommands()
{
    const bool idle = m_connected && !m_busy;
    const bool selected = m_listing->hasSelection();
    const auto enable = [this](const char *name, bool on) { command(QString::fromLatin1(name))->setEnabled(on); };
    enable("actTilslut", !m_connected && m_callDepth == 0);
    enable("actNy", !m_connected && m_callDepth == 0);
    enable("actSletForbindelse", !m_connected && m_sites->currentIndex() >= 0 && m_sites->count() > 0);
    enable("actAfbryd", m_connected);
    enable("actStart", idle && hasPendingFiles());
    enable("actStop", m_busy && m_connected);
    enable("actNiveauOp", idle && m_ftp->RemoteDir().length() > 1);
    enable("actNyMappe", idle && !selected);
    enable("actSlet", idle && selected);
    enable("actOmdoeb", idle && selected);
    enable("actOverfoerTil", idle && selected);
    enable("actMarkerAlt", m_connected);
    enable("actOpdater", idle);
    m_folders->setEnabled(idle);
    m_panel->setEnabled(!m_connected);
}

void TfrmFtp::showListingMenu(const QPoint &globalPosition)
{
    if (m_busy)
        return;
    updateCommands();
    QMenu menu(this);
    if (m_listing->hasSelection()) {
        menu.addActions({command(QStringLiteral("actSlet")), command(QStringLiteral("actOmdoeb"))});
        menu.addSeparator();
        menu.addAction(command(QStringLiteral("actOverfoerTil")));
    } else {
        QMenu *views = menu.addMenu(QStringLiteral("&Vis"));
        views->addActions({command(QStringLiteral("actStoreIkoner")), command(QStringLiteral("actSmaaIkoner")),
                           command(QStringLiteral("actOversigt")), command(QStringLiteral("actDetaljer"))});
        menu.addMenu(m_arrangeMenu);
        menu.addSeparator();
        menu.addAction(command(QStringLiteral("actNyMappe")));
        QAction *all = menu.addAction(QStringLiteral("&Marker alt"));
        connect(all, &QAction::triggered, m_listing, &RemoteListing::selectAll);
    }
    menu.exec(globalPosition);
}

void TfrmFtp::message(const QString &caption, const QString &text, int icon)
{
    m_services.prompter.message({caption, text, Prompter::Icon(icon), Prompter::Ok});
}

void TfrmFtp::writeWindowSettings()
{
    FtpWindowSettings settings;
    settings.width = width();
    settings.view = m_listing->view();
    settings.site = std::max(0, m_sites->currentIndex());
    settings.write(m_services.settings);
}

void TfrmFtp::closeEvent(QCloseEvent *event)
{
    if (m_busy && !m_closeAfterCall
        && m_services.prompter.message({QStringLiteral("Luk ftp"),
                                        QStringLiteral("Der udveksles stadig data mellem din computer og serveren. "
                                                       "Ønsker du alligevel at afslutte?"),
                                        Prompter::Icon::Question, Prompter::Yes | Prompter::No})
            != Prompter::Yes) {
        event->ignore();
        return;
    }
    if (m_callDepth > 0) {
        // The running call lies below this event: it is ended, and the
        // window closes once it has returned.
        m_closeAfterCall = true;
        m_ftp->Abort();
        event->ignore();
        return;
    }
    if (m_ftp->Connected())
        m_ftp->Disconnect();
    writeWindowSettings();
    clearPending();
    m_projectTitle.clear();
    m_log->add(QStringLiteral("Afsluttet %1").arg(danishLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat)));
    m_log->save(QDir(m_services.userDataFolder).filePath(QStringLiteral("ftp.log")));
    event->accept();
}
