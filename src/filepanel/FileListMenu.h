#pragma once

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class TFileList;

// The file list's pop-up menu: the entries for selected files, or for the
// list as a whole when nothing is selected, and their keys while the list
// has the focus (Shift+F10 opens the menu at the list's top left corner).
class FileListMenu : public QObject
{
    Q_OBJECT

public:
    FileListMenu(TFileList &list, QMenu &views, QMenu &filters);

    // Entries shown when entries are selected.
    QAction *const open;
    QAction *const insertReference;
    QAction *const moveTo;
    QAction *const copyTo;
    QAction *const upload;
    QAction *const remove;
    QAction *const rename;
    QAction *const properties;
    // Entries shown when nothing is selected.
    QAction *const selectAll;
    QAction *const correctNames;
    QAction *const refresh;
    QAction *const imageViewer;

    // Run before the menu shows or a key is taken, to settle enabled and
    // visible states.
    void setBeforeUse(std::function<void()> settle) { m_settle = std::move(settle); }
    void popup(const QPoint &globalPosition);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *actionForKey(const QKeyEvent &key);

    TFileList &m_list;
    QMenu *m_menu;
    QMenu &m_views;
    QMenu &m_filters;
    std::function<void()> m_settle;
};
