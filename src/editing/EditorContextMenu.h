#pragma once

#include <QObject>
#include <QPoint>

class QMenu;
class TLEdit;
class Workbench;

// The right-click in the document editors and on their tabs: the caret goes
// to the clicked place unless text is selected; then the menu for the
// selection, the menu without one where the caret is in no word, or the
// "Rediger HTML-element" on the element at the caret. The keyboard's menu key and Shift+F10
// open it at the text area's top-left corner.
class EditorContextMenu : public QObject
{
    Q_OBJECT

public:
    explicit EditorContextMenu(Workbench &workbench);

    void contextMenuAt(const QPoint &viewportPoint);
    void contextMenuFromKeyboard();
    // The menus, made anew each time: with a selection, and without one (the
    // tab strip shows the second without its later entries).
    QMenu *selectionMenu();
    QMenu *documentMenu(bool onTabStrip);

private:
    void showTabMenu(const QPoint &at);

    Workbench &m_workbench;
};
