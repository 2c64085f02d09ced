#include "filepanel/TDirTree.h"

#include "editing/DocumentDrops.h"

#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QDropEvent>
#include <QFileIconProvider>
#include <QMimeData>

#include <algorithm>

namespace {

constexpr int PathRole = Qt::UserRole;
constexpr int ReadRole = Qt::UserRole + 1;

bool hasSubfolders(const QString &path)
{
    return QDirIterator(path, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System).hasNext();
}

QString withSlash(const QString &path)
{
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QTreeWidgetItem *makeNode(const QString &caption, const QString &path)
{
    static const QFileIconProvider icons;
    auto *node = new QTreeWidgetItem({caption});
    node->setData(0, PathRole, path);
    node->setIcon(0, icons.icon(QFileIconProvider::Folder));
    node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return node;
}

} // namespace

TDirTree::TDirTree(QWidget *parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("trwMapper"));
    setHeaderHidden(true);
    setColumnCount(1);
    setSortingEnabled(false);
    setEditTriggers(NoEditTriggers);
    setAutoScroll(true);
    setAcceptDrops(true);
    setDragDropMode(DropOnly);
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem *node) { readNode(*node); });
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *node) {
        if (node)
            Q_EMIT folderChosen(pathOf(*node));
    });
    buildRoots();
}

QString TDirTree::pathOf(const QTreeWidgetItem &node)
{
    return node.data(0, PathRole).toString();
}

void TDirTree::buildRoots()
{
    clear();
    addTopLevelItem(makeNode(QStringLiteral("/"), QStringLiteral("/")));
    const QString home = withSlash(QDir::homePath());
    if (home != QLatin1String("/"))
        addTopLevelItem(makeNode(QDir::toNativeSeparators(QDir::homePath()), home));
}

void TDirTree::readNode(QTreeWidgetItem &node)
{
    if (node.data(0, ReadRole).toBool())
        return;
    node.setData(0, ReadRole, true);
    const QString path = pathOf(node);
    QStringList names = QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), collator);
    QList<QTreeWidgetItem *> children;
    children.reserve(names.size());
    for (const QString &name : std::as_const(names)) {
        QTreeWidgetItem *child = makeNode(name, path + name + QLatin1Char('/'));
        if (!hasSubfolders(pathOf(*child)))
            child->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
        children << child;
    }
    qDeleteAll(node.takeChildren());
    node.addChildren(children);
    if (children.isEmpty())
        node.setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicator);
}

QString TDirTree::currentFolder() const
{
    const QTreeWidgetItem *node = currentItem();
    return node ? pathOf(*node) : QStringLiteral("?");
}

QTreeWidgetItem *TDirTree::rootFor(const QString &path) const
{
    // The deepest root holding the path: the home folder before "/".
    QTreeWidgetItem *best = nullptr;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem *root = topLevelItem(i);
        const QString rootPath = pathOf(*root);
        if (path.startsWith(rootPath) && (!best || rootPath.size() > pathOf(*best).size()))
            best = root;
    }
    return best;
}

bool TDirTree::goTo(const QString &path)
{
    const QString target = withSlash(QDir::cleanPath(QDir::fromNativeSeparators(path)));
    if (target == currentFolder())
        return true;
    if (!QFileInfo(target).isDir())
        return false;
    QTreeWidgetItem *node = rootFor(target);
    if (!node)
        return false;
    const QStringList parts = target.mid(pathOf(*node).size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        readNode(*node);
        QTreeWidgetItem *next = nullptr;
        for (int i = 0; i < node->childCount() && !next; ++i) {
            if (node->child(i)->text(0) == part)
                next = node->child(i);
        }
        if (!next)
            break;
        node = next;
    }
    if (node->parent())
        node->parent()->setExpanded(true);
    setCurrentItem(node);
    scrollToItem(node, PositionAtTop);
    return currentFolder() == target;
}

void TDirTree::reload()
{
    const QString chosen = currentFolder();
    {
        const QSignalBlocker quiet(this);
        buildRoots();
        if (chosen != QLatin1String("?") && !goTo(chosen))
            goTo(QDir::homePath());
    }
    // A chosen folder that has gone gives way to the home folder, which is then shown.
    if (currentFolder() != chosen && currentFolder() != QLatin1String("?"))
        Q_EMIT folderChosen(currentFolder());
}

void TDirTree::dragEnterEvent(QDragEnterEvent *event)
{
    // Only a file list's entries are taken.
    if (event->mimeData()->hasFormat(DocumentDrops::FileListFormat))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TDirTree::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->mimeData()->hasFormat(DocumentDrops::FileListFormat) && itemAt(event->position().toPoint())) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void TDirTree::dropEvent(QDropEvent *event)
{
    const QTreeWidgetItem *node = itemAt(event->position().toPoint());
    if (!node || !event->mimeData()->hasFormat(DocumentDrops::FileListFormat)) {
        event->ignore();
        return;
    }
    const QStringList paths =
        QString::fromUtf8(event->mimeData()->data(DocumentDrops::FileListFormat)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    event->setDropAction(Qt::MoveAction);
    event->accept();
    Q_EMIT entriesDropped(paths, pathOf(*node));
}
