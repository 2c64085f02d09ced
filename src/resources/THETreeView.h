#pragma once

#include <QTreeWidget>

#include <functional>
#include <stdexcept>

// A failure of the indented tree file: a line that skips a level, or a file
// that cannot be written. The nodes read so far stay in the tree.
class THETreeViewError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The tree of the libraries, the project tree and the site map: a tree widget
// with bold nodes, picture indexes that follow expanding and collapsing, a
// whole-tree sort, an indented text form, and scrolling while a drag hovers
// near its top or bottom edge.
class THETreeView : public QTreeWidget
{
    Q_OBJECT

public:
    enum class SortType { None, ByData, ByText, ByBoth };
    // Negative, zero or positive, as the first node sorts before, with or after the second.
    using CompareHandler = std::function<int(const QTreeWidgetItem *, const QTreeWidgetItem *)>;

    static constexpr int ImageIndexRole = Qt::UserRole + 100;
    static constexpr int DragScrollMargin = 20;

    explicit THETreeView(QWidget *parent = nullptr);

    static bool IsBold(const QTreeWidgetItem *item);
    static void SetBold(QTreeWidgetItem *item, bool bold);
    // The node's picture by its index in the program's image list; the
    // selected state shows the same picture.
    static int ImageIndex(const QTreeWidgetItem *item);
    static void SetImageIndex(QTreeWidgetItem *item, int index);

    SortType sortType() const { return m_sortType; }
    // Sorting by text, or by data while a compare handler is set, sorts the
    // whole tree at once: the top level, then the children of every node.
    void SetSortType(SortType type);
    void setCompareHandler(CompareHandler handler) { m_compare = std::move(handler); }

    // One line per node in display order: a blank per level, then the text.
    // Throws THETreeViewError when the file cannot be written.
    void SaveTreeToFile(const QString &path) const;
    // Replaces the tree by the file's nodes: the leading blanks and tabs of a
    // line give its level, a line of a single Ctrl+Z ends the input. Throws
    // THETreeViewError ("Invalid TreeNode Level") at a line that skips a
    // level; the sort type is none while loading and restored afterwards.
    void LoadTreeFromFile(const QString &path);

    // The nodes in display order (pre-order), collapsed branches included.
    QList<QTreeWidgetItem *> nodesInOrder() const;
    // The level of a node: 0 at the top.
    static int levelOf(const QTreeWidgetItem *item);

protected:
    void dragMoveEvent(QDragMoveEvent *event) override;

private:
    void sortAll();
    void sortChildren(QTreeWidgetItem *parent, const std::function<bool(QTreeWidgetItem *, QTreeWidgetItem *)> &less);

    SortType m_sortType = SortType::None;
    CompareHandler m_compare;
};
