#pragma once

#include <QObject>

#include <functional>

class BookmarkBar;
class DocumentDrops;
class EditorContextMenu;
class EditorStatus;
class TLEdit;
class WheelScrolling;
class Workbench;

// The editing commands of the "Rediger" and "Funktioner" menus on the active
// editor, and the editor's add-ons in the window: bookmarks, the right-click,
// word selection by double-click, wheel scrolling, drag and drop into the
// text, and the editor's state in the status bar and commands.
class EditorCommands : public QObject
{
    Q_OBJECT

public:
    // Inserts a reference to a file dropped from the program's file lists.
    using FileReferenceInserter = std::function<void(TLEdit &, const QString &path)>;

    explicit EditorCommands(Workbench &workbench);
    ~EditorCommands() override;

    void undo();
    void redo();
    void goToLine();
    void toggleReadOnly();
    void toggleWordWrap();
    // Puts the caret at the text under a point of the active editor's text area.
    void CaretToPoint(int x, int y);
    // Brings the active editor's state to the window.
    void showEditorState();
    // Until the file helpers write references, a dropped file is inserted as
    // its path relative to the document.
    void setFileReferenceInserter(FileReferenceInserter inserter) { m_insertReference = std::move(inserter); }

    BookmarkBar &bookmarks() const { return *m_bookmarks; }
    EditorContextMenu &contextMenus() const { return *m_contextMenu; }
    DocumentDrops &drops() const { return *m_drops; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void attachCommands();
    void watch(TLEdit &editor);
    void insertReference(TLEdit &editor, const QString &path);
    TLEdit *editorOf(QObject *watched) const;

    Workbench &m_workbench;
    BookmarkBar *m_bookmarks;
    EditorContextMenu *m_contextMenu;
    EditorStatus *m_status;
    DocumentDrops *m_drops;
    std::unique_ptr<WheelScrolling> m_wheel;
    FileReferenceInserter m_insertReference;
};
