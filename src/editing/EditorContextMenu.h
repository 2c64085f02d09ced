#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

class QMenu;
class TLEdit;
class Workbench;

// The right-click in the document editors and on their tabs: the caret goes
// to the clicked place unless text is selected; then the menu for the
// selection, the menu without one where the caret is in no word, or the
// editing of the element at the caret. The keyboard's menu key and Shift+F10
// open it at the text area's top-left corner.
class EditorContextMenu : public QObject
{
    Q_OBJECT

public:
    // Opens the element at the caret in its dialog.
    using ElementEditor = std::function<void(TLEdit &)>;

    explicit EditorContextMenu(Workbench &workbench);

    void contextMenuAt(const QPoint &viewportPoint);
    void contextMenuFromKeyboard();
    // The menus, made anew each time: with a selection, and without one (the
    // tab strip shows the second without its later entries).
    QMenu *selectionMenu();
    QMenu *documentMenu(bool onTabStrip);
    // Until the element dialogs are there, the window says the element cannot be edited.
    void setElementEditor(ElementEditor editor) { m_editElement = std::move(editor); }

private:
    void showTabMenu(const QPoint &at);

    Workbench &m_workbench;
    ElementEditor m_editElement;
};
