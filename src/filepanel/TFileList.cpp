#include "filepanel/TFileList.h"

#include "editing/DocumentDrops.h"
#include "workbench/PublishRequests.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QMimeData>
#include <QStackedLayout>
#include <QTimer>
#include <QTreeView>
#include <QUrl>

#include <algorithm>

namespace {

// How long one piece of reading may hold the window before it paints and
// answers again.
constexpr int PieceMilliseconds = 25;
constexpr int EntriesPerRead = 256;
// Changes on disk come in bursts: the list is read once they settle.
constexpr int ChangeSettleMilliseconds = 300;

bool choosesEntry(const QKeyEvent &key)
{
    if (key.modifiers() & Qt::ShiftModifier)
        return false;
    const int code = key.key();
    return code == Qt::Key_Up || code == Qt::Key_Down || (code >= Qt::Key_0 && code <= Qt::Key_9)
        || (code >= Qt::Key_A && code <= Qt::Key_Z);
}

void setUpView(QAbstractItemView &view)
{
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    view.setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    view.setDragDropMode(QAbstractItemView::DragOnly);
    view.setDefaultDropAction(Qt::MoveAction);
    view.viewport()->setAcceptDrops(true);
}

} // namespace

TFileList::TFileList(QWidget *parent)
    : QWidget(parent)
    , m_model(new FileListModel(this))
    , m_icons(new QListView)
    , m_details(new QTreeView)
    , m_stack(new QStackedLayout(this))
    , m_watcher(new QFileSystemWatcher(this))
    , m_pieces(new QTimer(this))
    , m_changedOnDisk(new QTimer(this))
{
    setObjectName(QStringLiteral("lwFiler"));

    m_details->setObjectName(QStringLiteral("lwFilerDetaljer"));
    m_details->setModel(m_model);
    m_details->setRootIsDecorated(false);
    m_details->setUniformRowHeights(true);
    m_details->setAllColumnsShowFocus(true);
    m_details->setSortingEnabled(true);
    m_details->sortByColumn(int(FileColumn::Name), Qt::AscendingOrder);
    m_details->header()->setSortIndicatorShown(true);
    m_details->header()->setStretchLastSection(false);
    for (int column = 0; column < int(FileColumn::Count); ++column)
        m_details->header()->resizeSection(column,
                                           m_model->headerData(column, Qt::Horizontal, Qt::SizeHintRole).toSize().width());
    m_icons->setObjectName(QStringLiteral("lwFilerIkoner"));
    m_icons->setModel(m_model);
    m_icons->setSelectionModel(m_details->selectionModel());
    m_icons->setWordWrap(true);
    m_icons->setLayoutMode(QListView::Batched);
    m_icons->setResizeMode(QListView::Adjust);
    m_icons->setWrapping(true);
    for (QAbstractItemView *view : views()) {
        setUpView(*view);
        view->installEventFilter(this);
        view->viewport()->installEventFilter(this);
        connect(view, &QAbstractItemView::clicked, this, &TFileList::chooseCurrent);
        connect(view, &QAbstractItemView::doubleClicked, this, &TFileList::openRequested);
    }
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(m_icons);
    m_stack->addWidget(m_details);
    setFocusProxy(m_details);
    setViewStyle(Details);

    connect(m_pieces, &QTimer::timeout, this, &TFileList::readPiece);
    m_changedOnDisk->setSingleShot(true);
    m_changedOnDisk->setInterval(ChangeSettleMilliseconds);
    connect(m_changedOnDisk, &QTimer::timeout, this, &TFileList::refresh);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_changedOnDisk, qOverload<>(&QTimer::start));
}

TFileList::~TFileList() = default;

void TFileList::setDirectory(const QString &folder)
{
    m_directory = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    watchFolder();
    refresh();
}

void TFileList::setMask(const QString &masks)
{
    m_masks = FileMasks(masks);
    refresh();
}

void TFileList::setViewStyle(ViewStyle style)
{
    m_style = style;
    const bool hadFocus = hasFocusInside();
    if (style == Details) {
        m_stack->setCurrentWidget(m_details);
    } else {
        m_icons->setViewMode(style == LargeIcons ? QListView::IconMode : QListView::ListMode);
        m_icons->setIconSize(style == LargeIcons ? QSize(32, 32) : QSize(16, 16));
        m_icons->setFlow(style == List ? QListView::TopToBottom : QListView::LeftToRight);
        m_icons->setGridSize(style == LargeIcons ? QSize(96, 64) : QSize());
        m_icons->setWrapping(true);
        m_icons->setMovement(QListView::Static);
        m_icons->setDragDropMode(QAbstractItemView::DragOnly);
        m_icons->viewport()->setAcceptDrops(true);
        m_stack->setCurrentWidget(m_icons);
    }
    setFocusProxy(view());
    if (hadFocus)
        view()->setFocus();
}

void TFileList::refresh()
{
    m_changedOnDisk->stop();
    // Reading the same folder again keeps the selection of the entries still there.
    m_keptSelection.clear();
    if (m_model->folder() == m_directory) {
        for (const QString &path : selectedPaths())
            m_keptSelection.insert(path.mid(m_directory.size()));
    }
    ++m_listing;
    m_model->clear();
    m_model->setFolder(m_directory);
    m_scan.reset();
    if (m_directory.isEmpty())
        return;
    m_scan = std::make_unique<FolderScan>(m_directory, m_masks, m_displayDirectory);
    readPiece();
}

void TFileList::readPiece()
{
    QElapsedTimer clock;
    clock.start();
    QList<ListedEntry> entries;
    while (!m_scan->atEnd() && clock.elapsed() < PieceMilliseconds)
        entries += m_scan->next(EntriesPerRead);
    m_model->append(entries);
    if (!m_scan->atEnd()) {
        m_pieces->start(0);
        return;
    }
    m_pieces->stop();
    m_scan.reset();
    restoreSelection();
    checkChanges();
    Q_EMIT listed();
}

void TFileList::checkChanges()
{
    if (!m_changeCheck)
        return;
    QStringList files;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (!m_model->entry(row).folder)
            files << m_model->entry(row).name;
    }
    auto *answer = new QFutureWatcher<QSet<QString>>(this);
    connect(answer, &QFutureWatcherBase::finished, this, [this, answer, listing = m_listing] {
        // An answer for a listing since replaced is dropped.
        if (listing == m_listing && answer->future().resultCount() > 0)
            m_model->markChanged(answer->result());
        answer->deleteLater();
    });
    answer->setFuture(m_changeCheck(m_directory, files));
}

void TFileList::restoreSelection()
{
    if (m_keptSelection.isEmpty())
        return;
    QItemSelection kept;
    QModelIndex first;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (!m_keptSelection.contains(m_model->entry(row).name))
            continue;
        const QModelIndex index = m_model->index(row, 0);
        kept.select(index, index);
        if (!first.isValid())
            first = index;
    }
    m_keptSelection.clear();
    QItemSelectionModel *selection = m_details->selectionModel();
    if (first.isValid())
        selection->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selection->select(kept, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TFileList::watchFolder()
{
    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    if (QFileInfo(m_directory).isDir())
        m_watcher->addPath(m_directory);
}

int TFileList::count() const
{
    return m_model->rowCount();
}

QAbstractItemView *TFileList::view() const
{
    return m_style == Details ? static_cast<QAbstractItemView *>(m_details) : m_icons;
}

QList<QAbstractItemView *> TFileList::views() const
{
    return {m_icons, m_details};
}

ListedEntry TFileList::entryAt(const QModelIndex &viewIndex) const
{
    return m_model->entry(viewIndex.row());
}

QStringList TFileList::selectedPaths() const
{
    QModelIndexList rows = m_details->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    QStringList paths;
    for (const QModelIndex &row : std::as_const(rows))
        paths << m_directory + entryAt(row).name;
    return paths;
}

QStringList TFileList::names() const
{
    QStringList names;
    for (int row = 0; row < m_model->rowCount(); ++row)
        names << entryAt(m_model->index(row, 0)).name;
    return names;
}

std::optional<ListedFileFacts> TFileList::currentFacts() const
{
    const QModelIndex current = m_details->selectionModel()->currentIndex();
    if (!current.isValid() || !m_details->selectionModel()->isRowSelected(current.row()))
        return std::nullopt;
    const ListedEntry entry = entryAt(current);
    return ListedFileFacts{entry.name,
                           m_directory,
                           entry.typeName,
                           entry.size,
                           ListedEntry::dateTime(entry.created),
                           ListedEntry::dateTime(entry.modified),
                           ListedEntry::dateTime(entry.lastAccess)};
}

void TFileList::selectAll()
{
    view()->selectAll();
}

void TFileList::selectName(const QString &name)
{
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const QModelIndex index = m_model->index(row, 0);
        if (entryAt(index).name == name) {
            m_details->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            view()->scrollTo(index);
            return;
        }
    }
}

bool TFileList::hasFocusInside() const
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}

void TFileList::startRename()
{
    const QModelIndex current = m_details->selectionModel()->currentIndex();
    if (current.isValid())
        view()->edit(current.siblingAtColumn(0));
}

void TFileList::setRenamer(FileListModel::Renamer renamer)
{
    m_model->setRenamer(std::move(renamer));
}

void TFileList::chooseCurrent()
{
    const QModelIndex current = m_details->selectionModel()->currentIndex();
    if (current.isValid())
        Q_EMIT entryChosen(m_directory + entryAt(current).name, entryAt(current));
}

bool TFileList::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyRelease:
        if (choosesEntry(*static_cast<QKeyEvent *>(event)) && !static_cast<QKeyEvent *>(event)->isAutoRepeat())
            chooseCurrent();
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        // Files of other programs, or remote files to fetch; the list's own
        // entries are not dropped back on it.
        auto *drop = static_cast<QDropEvent *>(event);
        const QMimeData *mime = drop->mimeData();
        if (mime->hasFormat(PublishRequests::RemoteFilesFormat)) {
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            if (event->type() == QEvent::Drop)
                Q_EMIT remoteFilesDropped();
            return true;
        }
        if (!mime->hasUrls() || mime->hasFormat(DocumentDrops::FileListFormat)) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        if (event->type() == QEvent::Drop) {
            QStringList paths;
            for (const QUrl &url : mime->urls()) {
                if (url.isLocalFile())
                    paths << url.toLocalFile();
            }
            if (!paths.isEmpty())
                Q_EMIT filesDropped(paths);
        }
        return true;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
