#pragma once

#include "html/LinkScanner.h"

#include <QFont>
#include <QWidget>

class Prompter;
class QActionGroup;
class QMenu;
class QStackedWidget;
class QToolBar;
class QTreeWidget;
class TLEdit;

// "Forbindelser": the reference list, the filtered list lying over it, the
// filter buttons and menu entries, and copying and printing the addresses.
class ReferencePage : public QWidget
{
    Q_OBJECT
public:
    // The hidden editor that copies and prints addresses writes in `editorFont`.
    ReferencePage(Prompter &prompter, const QFont &editorFont, QWidget *parent = nullptr);

    void setRows(const QList<LinkItem> &rows);
    // Filter 0 brings the full list to the front; 1 to 10 fill the filtered
    // list with the rows whose kind contains the filter's word.
    void applyFilter(int number);
    int filter() const { return m_filter; }

    QTreeWidget &fullList() const { return *m_full; }
    QTreeWidget &filteredList() const { return *m_filtered; }
    QTreeWidget &frontList() const;
    QToolBar &toolBar() const { return *m_toolBar; }
    QMenu &contextMenu() const { return *m_menu; }

    // The addresses of the selected rows of the list in front, or of all
    // its rows when none is selected.
    QStringList addresses() const;
    void copyAddresses();
    void printAddresses();
    // The selected rows of the list in front, in list order.
    QList<LinkItem> selectedRows() const;
    // In target mode the context menu offers printing only.
    void setTargetMode(bool on) { m_targetMode = on; }

Q_SIGNALS:
    void rowDoubleClicked();

private:
    QTreeWidget *makeList(const char *name);
    void fillAddressEditor();

    Prompter &m_prompter;
    QFont m_editorFont;
    QToolBar *m_toolBar;
    QStackedWidget *m_lists;
    QTreeWidget *m_full;
    QTreeWidget *m_filtered;
    QMenu *m_menu;
    QActionGroup *m_buttons;
    QActionGroup *m_entries;
    TLEdit *m_addressEditor = nullptr;
    int m_filter = 0;
    bool m_targetMode = false;
};
