#pragma once

#include "editor/EditorBookmarks.h"

#include <QObject>
#include <QPoint>

class DocumentDrops;
class Prompter;
class QMenu;
class TLEdit;
class TfrmPW4;

// What the main window adds around each document editor: the status panels
// and enabling that follow the editor, undo and redo past the empty text,
// bookmarks with the gutter and the editor toolbar, go to line, the
// right-click, word selection by double-click, wheel scrolling, drag and drop
// into the text, and the read-only and word-wrap toggles.
class EditingAids : public QObject
{
    Q_OBJECT

public:
    EditingAids(TfrmPW4 &window, Prompter &prompter);

    // Connects a new document editor.
    void watch(TLEdit &editor);
    // Brings the active editor's state to the window: buttons, "Overskriv",
    // status panels and enabling.
    void showEditorState();

    // Commands
    void undo();
    void redo();
    void goToLine();
    void toggleReadOnly();
    void toggleWordWrap();
    void setBookmark(int slot);
    void goToBookmark(int slot);
    // The right-click at a point of the active editor's text area: the caret
    // goes there unless text is selected; then the menu for the selection,
    // the menu without one where the caret is in no word, or the editing of
    // the element at the caret. The keyboard's is the same at the top-left corner.
    void contextMenuAt(const QPoint &viewportPoint);
    void contextMenuFromKeyboard();

    // Shared with commands that replace the whole text.
    void SaveBookmarks();
    void RestoreBookmarks();
    // Puts the caret at the text under a point of the active editor's text
    // area (the nearest place) and focuses the editor.
    void CaretToPoint(int x, int y);

    QMenu *bookmarkMenu() const { return m_bookmarkMenu; }
    DocumentDrops &drops() { return *m_drops; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildBookmarkButtons();
    void refreshBookmarkButtons();
    void refreshBookmarkMenu();
    void editorChanged(TLEdit &editor);
    void refreshOverwriteLabel();
    void selectWordAtCaret(TLEdit &editor);
    bool scrollByWheel(TLEdit &editor, class QWheelEvent *wheel);
    TLEdit *editorOf(QObject *watched) const;

    TfrmPW4 &m_window;
    Prompter &m_prompter;
    DocumentDrops *m_drops;
    QMenu *m_bookmarkMenu = nullptr;
    EditorBookmarks::Lines m_savedBookmarks{};
    int m_wheelRest = 0;
};
