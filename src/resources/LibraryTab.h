#pragma once

#include "resources/LibraryInsertion.h"

#include <QWidget>

#include <array>
#include <functional>

class LibraryFiles;
class LibraryTreeView;
class Prompter;
class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QTreeWidgetItem;
class SpecialCharacterList;
class THETreeView;
class TLEdit;
struct LibraryLists;

// What the library tab is given by the main window.
struct LibraryTabServices
{
    LibraryLists &lists;
    LibraryFiles &files;
    Prompter &prompter;
    QString programFolder;
    std::function<QStringList()> tagCheckExclusions; // the "Kodetjek" list in force
    std::function<TLEdit *()> activeEditor;
};

// The "Bibliotek" tab of the resource panel: the HTML, CSS and JavaScript
// trees, the special characters and the user codes, one at a time, with the
// value and description panes, the search row and the insertion of the
// chosen entry into the active document.
class LibraryTab : public QWidget
{
    Q_OBJECT

public:
    enum Library { Html = 1, Css = 2, JavaScript = 3, SpecialCharacters = 4, UserCodes = 5 };

    explicit LibraryTab(LibraryTabServices services, QWidget *parent = nullptr);

    // Shows library n (loading it the first time), empties the panes and
    // starts the search from the top again.
    void ShowLibrary(int n);
    int shownLibrary() const { return m_shown; }
    // "Indsæt kode": the selected entry into the active document.
    void InsertLibraryEntry();
    // The search row: selects the next node after the last match whose text
    // holds the search text.
    void findNext();
    // The HTML library again, after the element lists were emptied for a changed "Kodetjek".
    void reloadHtmlLibrary();
    // Lets the editor take entries dragged out of the tab.
    void watchEditor(TLEdit &editor);

    THETreeView *tree(int library) const;
    SpecialCharacterList *specialCharacters() const { return m_special; }
    QLineEdit *searchText() const { return m_searchText; }
    QPushButton *findButton() const { return m_find; }
    QLabel *valueTitle() const { return m_valueTitle; }
    QPlainTextEdit *valuePane() const { return m_values; }
    QPlainTextEdit *descriptionPane() const { return m_description; }
    QMenu *contextMenu() const { return m_menu; }
    QAction *libraryButton(int library) const;

Q_SIGNALS:
    // The HTML library has been read into its tree and the element lists.
    void htmlLibraryLoaded();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildToolBar();
    QWidget *buildLibraryPage();
    QWidget *buildPane(const QString &title, QLabel *&titleLabel, QPlainTextEdit *&text, const QString &notice);
    void loadOnce(int library);
    QString pathOf(int library) const;
    LibraryTreeView *shownTree() const;
    LibraryInsertion::Node nodeOf(const QTreeWidgetItem *item) const;
    bool insertsSelected() const;
    void showRecordOf(const QTreeWidgetItem *item);
    void openMenu(QWidget *view, const QPoint &globalPoint);
    void insertSpecialCharacter(bool decimal);
    bool handleEditorDrag(TLEdit &editor, QWidget &receiver, QEvent *event);

    LibraryTabServices m_services;
    std::array<bool, 5> m_loaded{};
    int m_shown = 0;
    int m_searchPosition = 0;
    QString m_shownPath;

    QActionGroup *m_buttons = nullptr;
    QStackedWidget *m_pages = nullptr;
    QWidget *m_libraryPage = nullptr;
    QWidget *m_userCodePage = nullptr;
    QStackedWidget *m_treeStack = nullptr;
    std::array<LibraryTreeView *, 3> m_trees{};
    SpecialCharacterList *m_special = nullptr;
    QLineEdit *m_searchText = nullptr;
    QPushButton *m_find = nullptr;
    QLabel *m_valueTitle = nullptr;
    QLabel *m_descriptionTitle = nullptr;
    QPlainTextEdit *m_values = nullptr;
    QPlainTextEdit *m_description = nullptr;
    QMenu *m_menu = nullptr;
};
