#include "resources/THETreeView.h"

#include "resources/LibraryIcons.h"
#include "resources/LibraryTree.h"
#include "resources/TextFileLines.h"

#include <QCollator>
#include <QDragMoveEvent>
#include <QFile>
#include <QSaveFile>
#include <QScrollBar>
#include <QSet>

#include <algorithm>

namespace {

const QChar EndOfInput(26);

QStringList readLines(const QString &path)
{
    std::optional<QStringList> lines = readTextFileLines(path);
    if (!lines)
        throw THETreeViewError(QStringLiteral("Cannot open file %1").arg(path).toStdString());
    return *std::move(lines);
}

// Restores a value when the scope ends, also by an exception.
template <typename Restore> struct OnExit
{
    Restore restore;
    ~OnExit() { restore(); }
};
template <typename Restore> OnExit(Restore) -> OnExit<Restore>;

} // namespace

THETreeView::THETreeView(QWidget *parent)
    : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setAutoScroll(false); // the drag scrolling below takes its place
    connect(this, &QTreeWidget::itemExpanded, this, [](QTreeWidgetItem *item) {
        if (ImageIndex(item) == LibraryIcon::FolderClosed)
            SetImageIndex(item, LibraryIcon::FolderOpen);
    });
    connect(this, &QTreeWidget::itemCollapsed, this, [](QTreeWidgetItem *item) {
        if (ImageIndex(item) == LibraryIcon::FolderOpen)
            SetImageIndex(item, LibraryIcon::FolderClosed);
    });
}

bool THETreeView::IsBold(const QTreeWidgetItem *item)
{
    return item->font(0).bold();
}

void THETreeView::SetBold(QTreeWidgetItem *item, bool bold)
{
    QFont font = item->font(0);
    font.setBold(bold);
    item->setFont(0, font);
}

int THETreeView::ImageIndex(const QTreeWidgetItem *item)
{
    const QVariant index = item->data(0, ImageIndexRole);
    return index.isValid() ? index.toInt() : -1;
}

void THETreeView::SetImageIndex(QTreeWidgetItem *item, int index)
{
    item->setData(0, ImageIndexRole, index);
    item->setIcon(0, LibraryIcons::icon(index));
}

int THETreeView::levelOf(const QTreeWidgetItem *item)
{
    int level = 0;
    for (const QTreeWidgetItem *parent = item->parent(); parent; parent = parent->parent())
        ++level;
    return level;
}

QList<QTreeWidgetItem *> THETreeView::nodesInOrder() const
{
    QList<QTreeWidgetItem *> nodes;
    for (QTreeWidgetItemIterator it(const_cast<THETreeView *>(this)); *it; ++it)
        nodes.append(*it);
    return nodes;
}

void THETreeView::SetSortType(SortType type)
{
    m_sortType = type;
    const bool byText = type == SortType::ByText || type == SortType::ByBoth;
    const bool byData = (type == SortType::ByData || type == SortType::ByBoth) && m_compare;
    if (byText || byData)
        sortAll();
}

void THETreeView::sortAll()
{
    // Taking nodes out and putting them back loses their expanded state and
    // the current node, so both are kept aside.
    QSet<QTreeWidgetItem *> expanded;
    for (QTreeWidgetItem *item : nodesInOrder())
        if (item->isExpanded())
            expanded.insert(item);
    QTreeWidgetItem *current = currentItem();

    std::function<bool(QTreeWidgetItem *, QTreeWidgetItem *)> less;
    if (m_compare) {
        less = [this](QTreeWidgetItem *a, QTreeWidgetItem *b) { return m_compare(a, b) < 0; };
    } else {
        QCollator collator; // the user's locale
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        less = [collator](QTreeWidgetItem *a, QTreeWidgetItem *b) { return collator.compare(a->text(0), b->text(0)) < 0; };
    }
    const bool updates = updatesEnabled();
    setUpdatesEnabled(false);
    sortChildren(invisibleRootItem(), less);
    for (QTreeWidgetItem *item : std::as_const(expanded))
        item->setExpanded(true);
    if (current)
        setCurrentItem(current);
    setUpdatesEnabled(updates);
}

void THETreeView::sortChildren(QTreeWidgetItem *parent, const std::function<bool(QTreeWidgetItem *, QTreeWidgetItem *)> &less)
{
    QList<QTreeWidgetItem *> children = parent->takeChildren();
    std::stable_sort(children.begin(), children.end(), less);
    parent->addChildren(children);
    for (QTreeWidgetItem *child : std::as_const(children))
        sortChildren(child, less);
}

void THETreeView::SaveTreeToFile(const QString &path) const
{
    QByteArray text;
    for (const QTreeWidgetItem *item : nodesInOrder())
        text += (QString(levelOf(item), QLatin1Char(' ')) + item->text(0)).toUtf8() + "\r\n";
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw THETreeViewError(QStringLiteral("Cannot write file %1").arg(path).toStdString());
}

void THETreeView::LoadTreeFromFile(const QString &path)
{
    const QStringList lines = readLines(path);
    const SortType sorting = m_sortType;
    m_sortType = SortType::None;
    const bool updates = updatesEnabled();
    setUpdatesEnabled(false);
    OnExit restore{[this, sorting, updates] {
        setUpdatesEnabled(updates);
        SetSortType(sorting);
    }};
    clear();

    QTreeWidgetItem *parent = nullptr;
    int previousLevel = 0;
    for (const QString &line : lines) {
        if (line == EndOfInput)
            break;
        int level = 0;
        while (level < line.size() && (line[level] == QLatin1Char(' ') || line[level] == QLatin1Char('\t')))
            ++level;
        if (level <= previousLevel && parent) {
            for (int climb = previousLevel - level + 1; climb > 0; --climb) {
                if (!parent)
                    throw THETreeViewError("Invalid TreeNode Level");
                parent = parent->parent();
            }
        } else if (level > previousLevel + 1) {
            throw THETreeViewError("Invalid TreeNode Level");
        }
        auto *item = new QTreeWidgetItem(QStringList(line.mid(level)));
        if (parent)
            parent->addChild(item);
        else
            addTopLevelItem(item);
        parent = item;
        previousLevel = level;
    }
}

void THETreeView::dragMoveEvent(QDragMoveEvent *event)
{
    QTreeWidget::dragMoveEvent(event);
    const int y = event->position().toPoint().y();
    QScrollBar *bar = verticalScrollBar();
    if (y < DragScrollMargin)
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (y > viewport()->height() - DragScrollMargin)
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}
