#include "publish/RemoteListing.h"

#include "editing/DocumentDrops.h"
#include "workbench/PublishRequests.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QMimeData>
#include <QStackedLayout>
#include <QTreeView>

const QString RemoteListing::ProjectFormat = QStringLiteral("application/x-pagewick-project");

namespace {

void prepare(QAbstractItemView &view)
{
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    view.setEditTriggers(QAbstractItemView::EditKeyPressed);
    view.setDragDropMode(QAbstractItemView::DragOnly);
    view.setDefaultDropAction(Qt::CopyAction);
    view.viewport()->setAcceptDrops(true);
    view.setContextMenuPolicy(Qt::CustomContextMenu);
}

} // namespace

RemoteListing::RemoteListing(QWidget *parent)
    : QWidget(parent)
    , m_model(new RemoteListingModel(this))
    , m_icons(new QListView)
    , m_details(new QTreeView)
    , m_stack(new QStackedLayout(this))
{
    setObjectName(QStringLiteral("lwFiler"));
    m_details->setRootIsDecorated(false);
    m_details->setUniformRowHeights(true);
    m_details->setAllColumnsShowFocus(true);
    m_details->setModel(m_model);
    m_icons->setModel(m_model);
    m_icons->setSelectionModel(m_details->selectionModel());
    m_details->header()->setSectionsClickable(true);
    m_details->header()->setSortIndicatorShown(false);
    m_details->setColumnWidth(0, 180);
    connect(m_details->header(), &QHeaderView::sectionClicked, this, [this](int section) { sortBy(ListingColumn(section)); });
    for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(m_icons), static_cast<QAbstractItemView *>(m_details)}) {
        prepare(*view);
        view->installEventFilter(this);
        view->viewport()->installEventFilter(this);
        connect(view, &QAbstractItemView::doubleClicked, this, &RemoteListing::activate);
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint &at) {
            if (!view->indexAt(at).isValid())
                view->clearSelection();
            emit menuRequested(view->viewport()->mapToGlobal(at));
        });
    }
    connect(m_details->selectionModel(), &QItemSelectionModel::selectionChanged, this, &RemoteListing::selectionChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, &RemoteListing::selectionChanged);
    m_stack->addWidget(m_icons);
    m_stack->addWidget(m_details);
    setView(List);
}

void RemoteListing::setView(View view)
{
    m_view = view;
    if (view == Details) {
        m_stack->setCurrentWidget(m_details);
    } else {
        m_icons->setViewMode(view == LargeIcons ? QListView::IconMode : QListView::ListMode);
        m_icons->setIconSize(view == LargeIcons ? QSize(32, 32) : QSize(16, 16));
        m_icons->setFlow(view == List ? QListView::TopToBottom : QListView::LeftToRight);
        m_icons->setGridSize(view == LargeIcons ? QSize(96, 64) : QSize());
        m_icons->setWrapping(true);
        m_icons->setMovement(QListView::Static);
        m_icons->setResizeMode(QListView::Adjust);
        prepare(*m_icons);
        m_stack->setCurrentWidget(m_icons);
    }
    setFocusProxy(currentView());
}

QAbstractItemView *RemoteListing::currentView() const
{
    if (m_view == Details)
        return m_details;
    return m_icons;
}

QList<int> RemoteListing::selectedRows() const
{
    // The icon views select the name alone, the details view whole rows.
    QList<int> rows;
    for (const QModelIndex &index : m_details->selectionModel()->selectedIndexes()) {
        if (!rows.contains(index.row()))
            rows << index.row();
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void RemoteListing::selectAll()
{
    m_details->selectAll();
}

void RemoteListing::selectName(const QString &name)
{
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->entry(row).name() == name) {
            const QModelIndex index = m_model->index(row, 0);
            m_details->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            m_details->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
            return;
        }
    }
}

void RemoteListing::startRename()
{
    const QList<int> rows = selectedRows();
    if (!rows.isEmpty())
        currentView()->edit(m_model->index(rows.first(), 0));
}

void RemoteListing::sortBy(ListingColumn column)
{
    m_lastOrder = m_lastOrder == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_model->sortEntries(column, m_lastOrder);
}

void RemoteListing::sortByDefault()
{
    m_model->sortEntries(ListingColumn::Name, Qt::AscendingOrder);
}

void RemoteListing::setBusy(bool busy)
{
    m_busy = busy;
    for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(m_icons), static_cast<QAbstractItemView *>(m_details)}) {
        view->setDragEnabled(!busy);
        if (busy)
            view->viewport()->setCursor(Qt::WaitCursor);
        else
            view->viewport()->unsetCursor();
    }
}

void RemoteListing::activate(const QModelIndex &index)
{
    if (!m_busy && index.isValid() && m_model->entry(index.row()).isFolder())
        emit folderActivated(m_model->entry(index.row()).name());
}

bool RemoteListing::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return handleDrop(event);
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            emit deleteRequested();
            return true;
        }
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
            activate(currentView()->currentIndex());
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool RemoteListing::handleDrop(QEvent *event)
{
    auto *drop = static_cast<QDropEvent *>(event);
    const QMimeData *mime = drop->mimeData();
    const bool project = mime->hasFormat(ProjectFormat);
    const bool programFiles = mime->hasFormat(DocumentDrops::FileListFormat);
    const bool ownEntries = mime->hasFormat(PublishRequests::RemoteFilesFormat);
    if (m_busy || ownEntries || !(project || programFiles || mime->hasUrls())) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (event->type() != QEvent::Drop)
        return true;
    if (project) {
        emit projectDropped(QString::fromUtf8(mime->data(ProjectFormat)));
        return true;
    }
    QStringList paths;
    if (programFiles) {
        paths = QString::fromUtf8(mime->data(DocumentDrops::FileListFormat)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    } else {
        for (const QUrl &url : mime->urls()) {
            if (url.isLocalFile())
                paths << url.toLocalFile();
        }
    }
    if (!paths.isEmpty())
        emit filesDropped(paths);
    return true;
}
