#include "resources/LibraryViews.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>

namespace LibraryDrag {

QMimeData *entryData(int library)
{
    auto *data = new QMimeData;
    data->setData(MimeType, QByteArray::number(library));
    return data;
}

std::optional<int> libraryOf(const QMimeData *data)
{
    if (!data || !data->hasFormat(MimeType))
        return std::nullopt;
    bool ok = false;
    const int library = data->data(MimeType).toInt(&ok);
    return ok ? std::optional<int>(library) : std::nullopt;
}

} // namespace LibraryDrag

LibraryTreeView::LibraryTreeView(int library, QWidget *parent)
    : THETreeView(parent)
    , m_library(library)
{
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setDragEnabled(true);
    setDragDropMode(DragOnly);
}

QStringList LibraryTreeView::mimeTypes() const
{
    return {LibraryDrag::MimeType};
}

QMimeData *LibraryTreeView::mimeData(const QList<QTreeWidgetItem *> &items) const
{
    return items.isEmpty() ? nullptr : LibraryDrag::entryData(m_library);
}

SpecialCharacterList::SpecialCharacterList(int library, QWidget *parent)
    : QTreeWidget(parent)
    , m_library(library)
{
    setRootIsDecorated(false);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setDragEnabled(true);
    setDragDropMode(DragOnly);
    setHeaderLabels({QString(), QStringLiteral("Beskrivelse"), QStringLiteral("HTML"), QStringLiteral("Decimal")});
    header()->setStretchLastSection(false);
    header()->setMinimumSectionSize(20);
    setColumnWidth(CharacterColumn, 20);
    setToolTip(QStringLiteral("Dobbeltklik eller træk tegn ind i dokument. "
                              "Hold SHIFT nede for at indsætte decimalværdi."));
}

void SpecialCharacterList::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Shift)
        m_shiftHeld = true;
    QTreeWidget::keyPressEvent(event);
}

void SpecialCharacterList::keyReleaseEvent(QKeyEvent *event)
{
    m_shiftHeld = false;
    QTreeWidget::keyReleaseEvent(event);
}

QStringList SpecialCharacterList::mimeTypes() const
{
    return {LibraryDrag::MimeType};
}

QMimeData *SpecialCharacterList::mimeData(const QList<QTreeWidgetItem *> &items) const
{
    return items.isEmpty() ? nullptr : LibraryDrag::entryData(m_library);
}
