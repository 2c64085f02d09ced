#include "projects/TfrmPrjFiler.h"

#include "filepanel/ReferenceItem.h"
#include "files/FileTexts.h"
#include "projects/ProjectFileItem.h"
#include "projects/ProjectPaths.h"
#include "workbench/HelpLine.h"
#include "workbench/UiFont.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <iterator>

namespace {

// The file's size in bytes, for the ticked files' total.
constexpr int BytesRole = Qt::UserRole;

constexpr int Width = 600;
constexpr int Height = 420;

QString caption(TfrmPrjFiler::Mode mode, const QString &title, const QString &target)
{
    const QString folder = QDir::toNativeSeparators(target);
    switch (mode) {
    case TfrmPrjFiler::Mode::Properties:
        return QStringLiteral("Egenskaber for projektet %1").arg(title);
    case TfrmPrjFiler::Mode::Upload:
        return QStringLiteral("Overførsel af %1 til Internet").arg(title);
    case TfrmPrjFiler::Mode::Move:
        return QStringLiteral("Flytning af %1 til %2").arg(title, folder);
    case TfrmPrjFiler::Mode::Copy:
        break;
    }
    return QStringLiteral("Kopiering af %1 til %2").arg(title, folder);
}

QString actionWord(TfrmPrjFiler::Mode mode)
{
    switch (mode) {
    case TfrmPrjFiler::Mode::Move:
        return QStringLiteral("flytning");
    case TfrmPrjFiler::Mode::Copy:
        return QStringLiteral("kopiering");
    default:
        return QStringLiteral("overførsel");
    }
}

QIcon rowIcon(const ProjectFileRow &row)
{
    if (row.missing) {
        static const QIcon missing = QFileIconProvider().icon(QFileIconProvider::Trashcan);
        return missing;
    }
    return referenceIcon(row.document ? LinkIcon::LocalFile : row.icon);
}

} // namespace

TfrmPrjFiler::TfrmPrjFiler(Mode mode, const QString &projectTitle, const QString &rootFolder, const QString &targetFolder,
                           QWidget *parent)
    : QDialog(parent)
    , m_mode(mode)
    , m_rootFolder(rootFolder)
    , m_list(new QTreeWidget(this))
    , m_listOrEmpty(new QStackedWidget(this))
    , m_empty(new QLabel(QStringLiteral("Projektet indeholder ingen filer"), this))
    , m_rootCaption(new QLabel(QStringLiteral("Rodbibliotek:"), this))
    , m_root(new QLabel(QDir::toNativeSeparators(rootFolder), this))
    , m_tickAll(new QCheckBox(QStringLiteral("Markér alle filer"), this))
    , m_help(new HelpLine(this))
    , m_ok(new QPushButton(QStringLiteral("OK"), this))
    , m_cancel(new QPushButton(QStringLiteral("Annuller"), this))
    , m_countPanel(new QLabel(this))
    , m_summaryPanel(new QLabel(this))
{
    setObjectName(QStringLiteral("frmPrjFiler"));
    setWindowTitle(caption(mode, projectTitle, targetFolder));
    applyUiFont(this);
    const double scale = logicalDpiX() / 96.0;
    resize(qRound(Width * scale), qRound(Height * scale));
    buildLayout();
    if (mode == Mode::Properties) {
        m_tickAll->hide();
        m_ok->hide();
        m_cancel->setText(QStringLiteral("Luk"));
        m_cancel->setDefault(true);
        m_summaryPanel->hide();
    } else {
        m_ok->setDefault(true);
    }
    attachHelp();
    connect(m_ok, &QPushButton::clicked, this, &TfrmPrjFiler::act);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_tickAll, &QCheckBox::clicked, this, &TfrmPrjFiler::tickEveryRow);
    connect(m_list, &QTreeWidget::itemChanged, this, [this] {
        if (!m_ticking)
            settleStatus();
    });
    connect(m_list->header(), &QHeaderView::sectionClicked, this, &TfrmPrjFiler::sortBy);
    settleStatus();
}

void TfrmPrjFiler::buildLayout()
{
    m_list->setObjectName(QStringLiteral("lwFiler"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({QStringLiteral("Navn og relativ sti"), QStringLiteral("Titel"), QStringLiteral("Type"),
                             QStringLiteral("Størrelse"), QStringLiteral("Årsag")});
    m_list->headerItem()->setTextAlignment(ProjectFileItem::SizeColumn, Qt::AlignRight | Qt::AlignVCenter);
    const double scale = logicalDpiX() / 96.0;
    const int widths[] = {200, 195, 90, 70, 250};
    for (int column = 0; column < int(std::size(widths)); ++column)
        m_list->setColumnWidth(column, qRound(widths[column] * scale));
    // The reason a file stayed behind is shown only once one did.
    m_list->setColumnHidden(ProjectFileItem::ReasonColumn, true);
    m_list->header()->setSectionsClickable(true);
    m_empty->setObjectName(QStringLiteral("lblIngenFiler"));
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setFrameShape(QFrame::StyledPanel);
    m_listOrEmpty->addWidget(m_list);
    m_listOrEmpty->addWidget(m_empty);
    m_rootCaption->setObjectName(QStringLiteral("lblRodbibliotek"));
    m_root->setObjectName(QStringLiteral("lblRod"));
    m_root->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_tickAll->setObjectName(QStringLiteral("chkMarkerAlle"));
    m_help->setObjectName(QStringLiteral("lblHjaelp"));
    m_help->setStyleSheet(QStringLiteral("color: navy;"));
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_cancel->setObjectName(QStringLiteral("cmdAnnuller"));
    m_countPanel->setObjectName(QStringLiteral("panAntal"));
    m_summaryPanel->setObjectName(QStringLiteral("panMarkeret"));

    auto *rootRow = new QHBoxLayout;
    rootRow->addWidget(m_rootCaption);
    rootRow->addWidget(m_root, 1);
    auto *helpRow = new QHBoxLayout;
    auto *helpIcon = new QLabel(this);
    helpIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(16, 16));
    helpRow->addWidget(helpIcon);
    helpRow->addWidget(m_help, 1);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(m_ok, QDialogButtonBox::AcceptRole);
    buttons->addButton(m_cancel, QDialogButtonBox::RejectRole);
    auto *bottomRow = new QHBoxLayout;
    bottomRow->addWidget(m_tickAll);
    bottomRow->addStretch(1);
    bottomRow->addWidget(buttons);
    auto *status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    status->addWidget(m_countPanel, 1);
    status->addWidget(m_summaryPanel, 3);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(rootRow);
    layout->addWidget(m_listOrEmpty, 1);
    layout->addLayout(bottomRow);
    layout->addLayout(helpRow);
    layout->addWidget(status);
}

void TfrmPrjFiler::attachHelp()
{
    if (m_mode == Mode::Properties) {
        m_help->attach(m_list, QStringLiteral("Oversigt over projektets filer - dvs. HTML-dokumenter + tilknyttede mediefiler."),
                       m_empty);
        m_help->attach(m_root,
                       QStringLiteral("Projektets rodbibliotek. Stien til filer i andre biblioteker vises relativt i fht. "
                                      "rodbiblioteket."),
                       m_rootCaption);
        m_help->attach(m_cancel, QStringLiteral("Lukker dialogboksen"));
        return;
    }
    m_help->attach(m_list, QStringLiteral("Oversigt over projektets filer. Sæt kryds ved dem, du ønsker at overføre."), m_empty);
    m_help->attach(m_root,
                   QStringLiteral("Projektets rodbibliotek. Ved overførsel får filer i andre biblioteker samme relative "
                                  "placering ift. til destinationsbiblioteket, som de har ift. projektets rodbibliotek."),
                   m_rootCaption);
    m_help->attach(m_ok, QStringLiteral("Gør klar til at overføre de valgte filer."));
    m_help->attach(m_cancel, QStringLiteral("Annullerer filoverførslen"));
}

void TfrmPrjFiler::setRows(const QList<ProjectFileRow> &rows, const QSet<QString> &preTicked)
{
    const bool checkable = m_mode != Mode::Properties;
    m_ticking = true;
    m_list->clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(rows.size());
    for (const ProjectFileRow &row : rows) {
        auto *item = new ProjectFileItem({row.path, row.title, row.type, row.size});
        item->setIcon(ProjectFileItem::NameColumn, rowIcon(row));
        item->setTextAlignment(ProjectFileItem::SizeColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setData(ProjectFileItem::NameColumn, BytesRole,
                      row.missing ? qint64(0) : QFileInfo(documentFile(m_rootFolder, row.path)).size());
        if (checkable) {
            // A missing file keeps an empty box, in line with the others, that cannot be ticked.
            const bool ticked = !row.missing && preTicked.contains(row.path);
            item->setCheckState(ProjectFileItem::NameColumn, ticked ? Qt::Checked : Qt::Unchecked);
        }
        if (!checkable || row.missing)
            item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
        else
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        items.append(item);
    }
    m_list->addTopLevelItems(items);
    m_ticking = false;
    const bool empty = rows.isEmpty();
    m_listOrEmpty->setCurrentWidget(empty ? static_cast<QWidget *>(m_empty) : m_list);
    if (empty)
        m_ok->hide();
    settleStatus();
}

void TfrmPrjFiler::setOkEnabled(bool enabled)
{
    m_ok->setEnabled(enabled);
}

QStringList TfrmPrjFiler::tickedPaths() const
{
    QStringList paths;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_list->topLevelItem(i);
        if ((item->flags() & Qt::ItemIsUserCheckable) && item->checkState(ProjectFileItem::NameColumn) == Qt::Checked)
            paths.append(item->text(ProjectFileItem::NameColumn));
    }
    return paths;
}

QString TfrmPrjFiler::countText() const
{
    return m_countPanel->text();
}

QString TfrmPrjFiler::summaryText() const
{
    return m_summaryPanel->text();
}

void TfrmPrjFiler::tickEveryRow(bool ticked)
{
    m_ticking = true;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_list->topLevelItem(i);
        if (item->flags() & Qt::ItemIsUserCheckable)
            item->setCheckState(ProjectFileItem::NameColumn, ticked ? Qt::Checked : Qt::Unchecked);
    }
    m_ticking = false;
    settleStatus();
}

void TfrmPrjFiler::settleStatus()
{
    m_countPanel->setText(QStringLiteral("%1 objekt(er)").arg(m_list->topLevelItemCount()));
    if (m_mode == Mode::Properties)
        return;
    int ticked = 0;
    int tickable = 0;
    qint64 bytes = 0;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_list->topLevelItem(i);
        if (!(item->flags() & Qt::ItemIsUserCheckable))
            continue;
        ++tickable;
        if (item->checkState(ProjectFileItem::NameColumn) == Qt::Checked) {
            ++ticked;
            bytes += item->data(ProjectFileItem::NameColumn, BytesRole).toLongLong();
        }
    }
    // The box tells whether every file is ticked, so that a click turns them all the other way.
    m_tickAll->setChecked(tickable > 0 && ticked == tickable);
    m_summaryPanel->setText(
        QStringLiteral("%1 fil(er) markeret til %2 - i alt %3").arg(ticked).arg(actionWord(m_mode), FormatSize(bytes)));
}

void TfrmPrjFiler::sortBy(int column)
{
    m_sortAscending = !m_sortAscending;
    m_list->header()->setSortIndicatorShown(true);
    m_list->sortItems(column, m_sortAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void TfrmPrjFiler::act()
{
    if (m_ok->isHidden() || !m_ok->isEnabled())
        return;
    const QList<ProjectFileFailure> failures = m_action ? m_action(tickedPaths(), summaryText()) : QList<ProjectFileFailure>();
    if (failures.isEmpty()) {
        accept();
        return;
    }
    keepOnlyFailures(failures);
}

// The files that made it leave the list; the rest stay ticked with the
// reason beside them, so that the user can mend it and press "OK" again.
void TfrmPrjFiler::keepOnlyFailures(const QList<ProjectFileFailure> &failures)
{
    QHash<QString, QString> reasons;
    for (const ProjectFileFailure &failure : failures)
        reasons.insert(failure.path, failure.reason);
    m_ticking = true;
    for (int i = m_list->topLevelItemCount() - 1; i >= 0; --i) {
        QTreeWidgetItem *item = m_list->topLevelItem(i);
        const auto reason = reasons.constFind(item->text(ProjectFileItem::NameColumn));
        if (reason == reasons.constEnd()) {
            if (item->checkState(ProjectFileItem::NameColumn) == Qt::Checked)
                delete m_list->takeTopLevelItem(i);
            continue;
        }
        item->setText(ProjectFileItem::ReasonColumn, *reason);
        item->setToolTip(ProjectFileItem::NameColumn, *reason);
        item->setToolTip(ProjectFileItem::ReasonColumn, *reason);
        item->setForeground(ProjectFileItem::ReasonColumn, QBrush(Qt::darkRed));
    }
    m_ticking = false;
    // The reason comes beside the name, where it is seen without scrolling.
    m_list->setColumnHidden(ProjectFileItem::ReasonColumn, false);
    m_list->header()->moveSection(m_list->header()->visualIndex(ProjectFileItem::ReasonColumn), 1);
    m_list->resizeColumnToContents(ProjectFileItem::ReasonColumn);
    settleStatus();
}
