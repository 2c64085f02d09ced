#include "editing/DocumentDrops.h"

#include "editor/TLEdit.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace {

// Marks text dragged out of a document editor of this program.
const QString TextDragFormat = QStringLiteral("application/x-pagewick-text-drag");

bool isDragEvent(QEvent::Type type)
{
    return type == QEvent::DragEnter || type == QEvent::DragMove || type == QEvent::Drop;
}

} // namespace

const QString DocumentDrops::FileListFormat = QStringLiteral("application/x-pagewick-files");

DocumentDrops::DocumentDrops(CaretPlacer placeCaret, FileInserter insertFile, QObject *parent)
    : QObject(parent)
    , m_placeCaret(std::move(placeCaret))
    , m_insertFile(std::move(insertFile))
{
}

bool DocumentDrops::handle(TLEdit &editor, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        return mouseMoved(editor, mouse->position().toPoint(), mouse->buttons() & Qt::LeftButton);
    }
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || mouse->modifiers() != Qt::NoModifier)
            return false;
        // The selection may have changed by keys since the mouse last moved.
        refreshOverSelection(editor, mouse->position().toPoint());
        if (!m_overSelection)
            return false;
        // The press may begin a drag of the selection: the selection stays.
        editor.SetSelection(m_normalized);
        m_pressedAt = mouse->position().toPoint();
        return true;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || !m_pressedAt)
            return false;
        // A click without a drag puts the caret where it was clicked.
        m_pressedAt.reset();
        m_placeCaret(editor, mouse->position().toPoint());
        return true;
    }
    default:
        break;
    }
    if (!isDragEvent(event->type()))
        return false;
    auto *drag = static_cast<QDropEvent *>(event);
    if (!acceptsDrag(editor, drag->mimeData()))
        return false;
    const QPoint at = drag->position().toPoint();
    drag->setDropAction(drag->mimeData()->hasFormat(TextDragFormat) ? Qt::MoveAction : Qt::CopyAction);
    drag->accept();
    if (event->type() == QEvent::Drop) {
        if (drag->mimeData()->hasFormat(TextDragFormat))
            dropText(editor, at);
        else
            dropFiles(editor, at, drag->mimeData());
        return true;
    }
    if (drag->mimeData()->hasFormat(TextDragFormat) && &editor == m_source && !m_removed) {
        // The text leaves its place as it passes over the editor: it is
        // moved, not copied. The move is one step to undo.
        editor.beginUndoAction();
        editor.SetSelection(m_normalized);
        editor.DeleteSelection();
        m_removed = true;
    }
    return true;
}

bool DocumentDrops::mouseMoved(TLEdit &editor, const QPoint &at, bool leftDown)
{
    if (leftDown) {
        if (!m_pressedAt)
            return false;
        if ((at - *m_pressedAt).manhattanLength() < QApplication::startDragDistance())
            return true;
        m_pressedAt.reset();
        auto *drag = new QDrag(editor.viewport());
        drag->setMimeData(beginTextDrag(editor));
        drag->exec(Qt::MoveAction);
        finishTextDrag();
        return true;
    }
    refreshOverSelection(editor, at);
    editor.viewport()->setCursor(m_overSelection ? Qt::ArrowCursor : Qt::IBeamCursor);
    return m_overSelection;
}

void DocumentDrops::refreshOverSelection(TLEdit &editor, const QPoint &at)
{
    const SelectionRecord s = editor.GetSelection();
    m_normalized = SelectionRecord::between(s.start(), s.end());
    m_overSelection = insideSelection(editor, at);
}

bool DocumentDrops::insideSelection(TLEdit &editor, const QPoint &at) const
{
    if (m_normalized.isEmpty())
        return false;
    const std::optional<TextPos> place = editor.PositionFromPoint(at.x(), at.y(), 0);
    if (!place)
        return false;
    const TextPos start = m_normalized.start();
    const TextPos end = m_normalized.end();
    if (place->line < start.line || place->line > end.line)
        return false;
    if (start.line == end.line)
        return place->column > start.column && place->column < end.column;
    if (place->line == start.line)
        return place->column > start.column;
    if (place->line == end.line)
        return place->column < end.column;
    return true;
}

bool DocumentDrops::acceptsDrag(TLEdit &editor, const QMimeData *mime) const
{
    if (!mime || editor.IsReadOnly())
        return false;
    if (mime->hasFormat(TextDragFormat))
        return m_source != nullptr;
    return mime->hasFormat(FileListFormat);
}

QMimeData *DocumentDrops::beginTextDrag(TLEdit &editor)
{
    m_source = &editor;
    m_dragged = editor.textBetween(m_normalized.start(), m_normalized.end());
    m_removed = false;
    m_dropped = false;
    auto *mime = new QMimeData;
    mime->setText(m_dragged);
    mime->setData(TextDragFormat, QByteArray());
    return mime;
}

void DocumentDrops::dropText(TLEdit &editor, const QPoint &at)
{
    m_placeCaret(editor, at);
    if (m_removed && &editor == m_source) {
        // Dropped within the old range: the text goes back where it was, at
        // the caret that its removal left.
        const TextPos place = editor.GetSelection().caret();
        if (place >= m_normalized.start() && place <= m_normalized.end())
            editor.SetSelection(SelectionRecord::at(m_normalized.start()));
    }
    editor.ReplaceSelection(m_dragged);
    m_dropped = true;
}

void DocumentDrops::finishTextDrag()
{
    if (m_source) {
        // Dropped nowhere: the text is put back.
        if (m_removed && !m_dropped) {
            m_source->SetSelection(SelectionRecord::at(m_normalized.start()));
            m_source->ReplaceSelection(m_dragged);
        }
        if (m_removed)
            m_source->endUndoAction();
    }
    m_source.clear();
    m_dragged.clear();
    m_removed = false;
    m_dropped = false;
}

void DocumentDrops::dropFiles(TLEdit &editor, const QPoint &at, const QMimeData *mime)
{
    m_placeCaret(editor, at);
    const QStringList paths = QString::fromUtf8(mime->data(FileListFormat)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &path : paths)
        m_insertFile(editor, path.trimmed());
}
