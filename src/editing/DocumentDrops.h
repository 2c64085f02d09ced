#pragma once

#include "editor/TextPosition.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>
#include <optional>

class QEvent;
class QMimeData;
class TLEdit;

// Drag and drop in the document editors: selected text is dragged to another
// place (it leaves its old place as soon as the drag passes over the editor,
// and goes back when dropped within its old range or nowhere), and files
// dragged from the program's own file lists become references at the drop point.
// Files dragged from other programs are left to the window, which opens them.
class DocumentDrops : public QObject
{
    Q_OBJECT

public:
    // The format in which the program's file lists hand over files: their
    // paths, one a line.
    static const QString FileListFormat;

    // Puts the caret at a point of the editor's text area.
    using CaretPlacer = std::function<void(TLEdit &, const QPoint &)>;
    // Inserts a reference to the file at the caret.
    using FileInserter = std::function<void(TLEdit &, const QString &path)>;

    DocumentDrops(CaretPlacer placeCaret, FileInserter insertFile, QObject *parent = nullptr);

    // Mouse and drag events of an editor's text area; true when taken.
    bool handle(TLEdit &editor, QEvent *event);

    // Whether the mouse shows that the selection under it can be dragged.
    bool dragCursorShown() const { return m_overSelection; }

    // A drag of the selected text: what it carries, and the end of the drag
    // (putting the text back when no editor took it). The mouse runs both
    // around the system's drag.
    QMimeData *beginTextDrag(TLEdit &editor);
    void finishTextDrag();

private:
    bool mouseMoved(TLEdit &editor, const QPoint &at, bool leftDown);
    void refreshOverSelection(TLEdit &editor, const QPoint &at);
    bool insideSelection(TLEdit &editor, const QPoint &at) const;
    bool acceptsDrag(TLEdit &editor, const QMimeData *mime) const;
    void dropText(TLEdit &editor, const QPoint &at);
    void dropFiles(TLEdit &editor, const QPoint &at, const QMimeData *mime);

    CaretPlacer m_placeCaret;
    FileInserter m_insertFile;
    SelectionRecord m_normalized; // the selection with its start first
    bool m_overSelection = false;
    std::optional<QPoint> m_pressedAt; // a press that may start a drag
    QPointer<TLEdit> m_source; // the editor whose text is being dragged
    QString m_dragged;
    bool m_removed = false; // the dragged text has left its place
    bool m_dropped = false;
};
