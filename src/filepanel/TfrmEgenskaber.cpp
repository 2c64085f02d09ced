#include "filepanel/TfrmEgenskaber.h"

#include "core/Prompter.h"
#include "workbench/HelpLine.h"
#include "files/FileClasses.h"
#include "files/GeneralFacts.h"
#include "filepanel/GeneralPage.h"
#include "filepanel/PictureView.h"
#include "filepanel/ReferencePage.h"
#include "filepanel/TransferPage.h"
#include "html/DocumentReferences.h"
#include "html/DocumentTitle.h"
#include "html/TransferTimes.h"
#include "workbench/UiFont.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QMimeDatabase>
#include <QPushButton>
#include <QScopeGuard>
#include <QShortcut>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int Width = 575;
constexpr int Height = 441;

const QString ChooserCancelHelp = QStringLiteral("Ser bort fra de foretagne valg og lukker dialogboksen.");

QString listHelp(TfrmEgenskaber::Mode mode)
{
    switch (mode) {
    case TfrmEgenskaber::Mode::LinkList:
        return QStringLiteral("Marker de ønskede web-adresser og vælg \"OK\" for at indsætte dem.");
    case TfrmEgenskaber::Mode::Target:
        return QStringLiteral("Marker det ønskede mål og vælg \"OK\" for at indsætte en henvisning til målet.");
    case TfrmEgenskaber::Mode::File:
        break;
    }
    return QStringLiteral("Oversigt over, hvilke forbindelser (henvisninger, grafik mv.) HTML-dokumentet indeholder. "
                          "Kopier eller udskriv adresser ved at markere dem og højreklikke");
}

QIcon fileTypeIcon(const QString &path)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    return QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
}

QFont editorFont(const SettingsOptions &options)
{
    return QFont(options.fontName, options.fontSize);
}

} // namespace

TfrmEgenskaber::TfrmEgenskaber(Mode mode, const SettingsOptions &options, Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_options(options)
    , m_pages(new QTabWidget(this))
    , m_references(new ReferencePage(prompter, editorFont(options), m_pages))
    , m_transfer(new TransferPage(m_pages))
    , m_general(new GeneralPage(m_pages))
    , m_help(new HelpLine(this))
    , m_ok(new QPushButton(QStringLiteral("&OK"), this))
    , m_close(new QPushButton(QStringLiteral("Luk"), this))
{
    setObjectName(QStringLiteral("frmEgenskaber"));
    applyUiFont(this);
    const double scale = logicalDpiX() / 96.0;
    resize(qRound(Width * scale), qRound(Height * scale));
    m_pages->setObjectName(QStringLiteral("pcEgenskaber"));
    m_pages->addTab(m_references, QStringLiteral("Forbindelser"));
    m_pages->addTab(m_transfer, QStringLiteral("Overførselstid"));
    m_pages->addTab(m_general, QStringLiteral("Generelt"));
    m_help->setObjectName(QStringLiteral("lblHjaelp"));
    m_help->setStyleSheet(QStringLiteral("color: navy;"));
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_close->setObjectName(QStringLiteral("cmdLuk"));

    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(m_ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_close, QDialogButtonBox::RejectRole);
    connect(m_ok, &QPushButton::clicked, this, &TfrmEgenskaber::choose);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { Q_EMIT helpRequested(m_helpContext); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addWidget(buttons);
    auto *helpRow = new QHBoxLayout;
    auto *helpIcon = new QLabel(this);
    helpIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(16, 16));
    helpRow->addWidget(helpIcon);
    helpRow->addWidget(m_help, 1);
    layout->addLayout(helpRow);

    if (mode == Mode::File) {
        m_ok->hide();
        m_close->setDefault(true);
        m_close->setAutoDefault(true);
        m_help->attach(m_close, QStringLiteral("Lukker dialogboksen"));
    } else {
        m_close->setText(QStringLiteral("Annuller"));
        m_close->setDefault(false);
        m_close->setAutoDefault(false);
        m_ok->setDefault(true);
        removePage(m_transfer);
        removePage(m_general);
        m_references->toolBar().hide();
        m_references->setTargetMode(mode == Mode::Target);
        connect(m_references, &ReferencePage::rowDoubleClicked, this, &TfrmEgenskaber::choose);
        m_help->attach(m_ok,
                       mode == Mode::Target ? QStringLiteral("Gør en henvisning til det valgte mål klar til indsætning fra "
                                                             "Henvisnings-dialogboksen")
                                            : QStringLiteral("Gør de valgte adresser og beskrivelser klar til indsætning fra "
                                                             "Henvisnings-dialogboksen"));
        m_help->attach(m_close, ChooserCancelHelp);
    }
    m_help->attach(&m_references->fullList(), listHelp(mode));
    m_help->attach(&m_references->filteredList(), listHelp(mode));
    m_help->attach(m_references, listHelp(mode));
}

void TfrmEgenskaber::removePage(QWidget *page)
{
    const int index = m_pages->indexOf(page);
    if (index >= 0)
        m_pages->removeTab(index);
    page->hide();
}

void TfrmEgenskaber::showFile(const QString &path, const std::optional<ListedFileFacts> &listed)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    setWindowTitle(QStringLiteral("Egenskaber for ") + QDir::toNativeSeparators(path));
    m_general->showFacts(listed ? ListedGeneralFacts(*listed) : FileGeneralFacts(path), fileTypeIcon(path));

    if (FileClasses::isHtmlFile(path, m_options.htmlFilter)) {
        m_general->setTitle(DocumentTitle(path));
        const ReferenceMasks masks{m_options.htmlFilter, m_options.scriptFilter};
        const QList<ReferenceRow> rows = DocumentReferences(path, masks);
        QList<LinkItem> links;
        links.reserve(rows.size());
        for (const ReferenceRow &row : rows)
            links.append(row.link);
        m_references->setRows(links);
        m_transfer->showTimes(ComputeTransferTimes(path, rows, masks));
        m_help->attach(&m_transfer->list(),
                       QStringLiteral("Den udregnede overførselstid er den teoretisk mulige. "
                                      "I praksis kan overførselstiden være væsentlig højere."));
        m_help->attach(m_transfer, m_help->helpFor(&m_transfer->list()));
        m_help->attach(m_general, QStringLiteral("Generelle oplysninger om filsti, størrelse mv."));
        m_help->attach(m_pages->tabBar(),
                       QStringLiteral("Vælg mellem at se hvilke forbindelser, websiden indeholder, "
                                      "hvor lang tid den tager at overføre, og generelle oplysninger."));
        m_helpContext = HelpContext;
        return;
    }
    removePage(m_transfer);
    m_general->hideTitle();
    m_help->attach(m_general, QStringLiteral("Generelle oplysninger om filsti, størrelse mv."));
    if (FileClasses::isImageFile(path)) {
        auto *picture = new PictureView(path, m_pages);
        removePage(m_references);
        m_pages->insertTab(0, picture, QStringLiteral("Billedfremviser"));
        m_pages->setCurrentIndex(0);
        if (picture->pictureSize().isValid())
            m_general->setDimensions(picture->pictureSize());
        return;
    }
    removePage(m_references);
    m_pages->setCurrentWidget(m_general);
}

void TfrmEgenskaber::showChoices(const QList<LinkItem> &rows, const QString &pageCaption, const QString &windowCaption)
{
    setWindowTitle(windowCaption);
    m_pages->setTabText(m_pages->indexOf(m_references), pageCaption);
    m_references->setRows(rows);
    m_references->fullList().setFocus();
}

void TfrmEgenskaber::showTransferPage()
{
    if (m_pages->indexOf(m_transfer) >= 0)
        m_pages->setCurrentWidget(m_transfer);
}

void TfrmEgenskaber::choose()
{
    hide();
    accept();
}

QList<LinkItem> ChooseReferences(TfrmEgenskaber::Mode mode, const QList<LinkItem> &rows, const QString &pageCaption,
                                 const QString &windowCaption, const SettingsOptions &options, Prompter &prompter,
                                 QWidget *parent)
{
    TfrmEgenskaber window(mode, options, prompter, parent);
    window.showChoices(rows, pageCaption, windowCaption);
    if (!prompter.runDialog(window))
        return {};
    return window.references().selectedRows();
}
