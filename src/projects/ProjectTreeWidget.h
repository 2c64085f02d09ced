#pragma once

#include <QTreeWidget>

#include <functional>

class QMimeData;

// The project tree's view. What a dragged node carries is told by the page,
// which knows what the node stands for; a node that carries nothing is not
// dragged.
class ProjectTreeWidget : public QTreeWidget
{
    Q_OBJECT

public:
    // The drag's data for a node, or null.
    using DragData = std::function<QMimeData *(const QTreeWidgetItem &item)>;

    explicit ProjectTreeWidget(QWidget *parent = nullptr);
    void setDragData(DragData dragData) { m_dragData = std::move(dragData); }

protected:
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QList<QTreeWidgetItem *> &items) const override;

private:
    DragData m_dragData;
};
