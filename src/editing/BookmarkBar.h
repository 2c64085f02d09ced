#pragma once

#include "editor/EditorBookmarks.h"

#include <QObject>

class QMenu;
class TLEditLines;
class Workbench;

// The bookmarks of the active editor in the window: the editor toolbar's
// go-to buttons and their drop-down, the gutter's clicks, and the commands
// that set and go to bookmarks.
class BookmarkBar : public QObject
{
    Q_OBJECT

public:
    explicit BookmarkBar(Workbench &workbench);

    void setBookmark(int slot);
    void goToBookmark(int slot);
    // Around commands that replace the whole text.
    void SaveBookmarks();
    void RestoreBookmarks();
    // The buttons follow the active editor's bookmarks.
    void refreshButtons();

    QMenu *bookmarkMenu() const { return m_menu; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildButtons();
    void refreshMenu();

    Workbench &m_workbench;
    TLEditLines *m_gutter; // events reach it while the window comes apart
    QMenu *m_menu = nullptr;
    EditorBookmarks::Lines m_saved{};
};
