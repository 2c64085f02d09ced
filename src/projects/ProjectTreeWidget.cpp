#include "projects/ProjectTreeWidget.h"

#include <QMimeData>

ProjectTreeWidget::ProjectTreeWidget(QWidget *parent)
    : QTreeWidget(parent)
{
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
}

QStringList ProjectTreeWidget::mimeTypes() const
{
    return {};
}

QMimeData *ProjectTreeWidget::mimeData(const QList<QTreeWidgetItem *> &items) const
{
    if (items.size() != 1 || !m_dragData)
        return nullptr;
    return m_dragData(*items.first());
}
