#include "editing/BookmarkBar.h"

#include "documents/DocumentArea.h"
#include "editor/TLEdit.h"
#include "editor/TLEditLines.h"
#include "workbench/CommandRegistry.h"
#include "workbench/ToolbarIcons.h"
#include "workbench/Workbench.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

BookmarkBar::BookmarkBar(Workbench &workbench)
    : QObject(&workbench.window())
    , m_workbench(workbench)
    , m_gutter(workbench.documentArea().gutter())
{
    CommandRegistry &commands = workbench.commands();
    for (int slot = 1; slot <= EditorBookmarks::Count; ++slot) {
        commands.handle(QStringLiteral("actSaetBogmaerke%1").arg(slot), [this, slot] { setBookmark(slot); });
        commands.handle(QStringLiteral("actGaaTilBogmaerke%1").arg(slot), [this, slot] { goToBookmark(slot); });
    }
    buildButtons();
    m_gutter->installEventFilter(this);
}

void BookmarkBar::buildButtons()
{
    QToolBar *toolBar = m_workbench.documentArea().editorToolBar();
    auto *first = toolBar->findChild<QAction *>(QStringLiteral("btnGaaTilBogmaerke1"));
    m_menu = new QMenu(toolBar);
    m_menu->setObjectName(QStringLiteral("popBogmaerker"));
    for (int slot = 1; slot <= EditorBookmarks::Count; ++slot) {
        m_menu->addAction(QString::number(slot), this, [this, slot] { goToBookmark(slot); });
        if (auto *button = toolBar->findChild<QAction *>(QStringLiteral("btnGaaTilBogmaerke%1").arg(slot)))
            connect(button, &QAction::triggered, this, [this, slot] { goToBookmark(slot); });
    }
    connect(m_menu, &QMenu::aboutToShow, this, &BookmarkBar::refreshMenu);
    auto *dropDown = new QAction(ToolbarIcons::icon(QStringLiteral("bookmark")), QStringLiteral("Gå til bogmærke..."), toolBar);
    dropDown->setObjectName(QStringLiteral("btnGaaTilBogmaerker"));
    dropDown->setToolTip(QStringLiteral("Gå til bogmærke..."));
    dropDown->setMenu(m_menu);
    connect(dropDown, &QAction::triggered, this, [this] {
        if (const int slot = EditorBookmarks::firstSet(m_workbench.activeEditor()))
            goToBookmark(slot);
    });
    toolBar->insertAction(first, dropDown);
    if (auto *button = qobject_cast<QToolButton *>(toolBar->widgetForAction(dropDown)))
        button->setPopupMode(QToolButton::MenuButtonPopup);
}

void BookmarkBar::refreshButtons()
{
    const TLEdit &editor = m_workbench.activeEditor();
    QToolBar *toolBar = m_workbench.documentArea().editorToolBar();
    for (int slot = 1; slot <= EditorBookmarks::Count; ++slot) {
        if (auto *button = toolBar->findChild<QAction *>(QStringLiteral("btnGaaTilBogmaerke%1").arg(slot)))
            button->setEnabled(EditorBookmarks::isSet(editor, slot));
    }
}

void BookmarkBar::refreshMenu()
{
    const TLEdit &editor = m_workbench.activeEditor();
    const QList<QAction *> entries = m_menu->actions();
    for (int slot = 1; slot <= EditorBookmarks::Count; ++slot) {
        const bool set = EditorBookmarks::isSet(editor, slot);
        // A menu takes "&" as an access key and a tab as a column break.
        const QString line = set ? editor.GetLine(editor.GetBookmark(slot)) : QString();
        QString text = EditorBookmarks::entryText(slot, set, line);
        text.replace(QLatin1Char('&'), QStringLiteral("&&")).replace(QLatin1Char('\t'), QLatin1Char(' '));
        entries[slot - 1]->setText(text);
        entries[slot - 1]->setEnabled(set);
    }
}

void BookmarkBar::setBookmark(int slot)
{
    TLEdit &editor = m_workbench.activeEditor();
    EditorBookmarks::toggle(editor, slot, editor.GetSelection().anchorLine);
    refreshButtons();
}

void BookmarkBar::goToBookmark(int slot)
{
    EditorBookmarks::goTo(m_workbench.activeEditor(), slot);
}

void BookmarkBar::SaveBookmarks()
{
    m_saved = EditorBookmarks::lines(m_workbench.activeEditor());
}

void BookmarkBar::RestoreBookmarks()
{
    EditorBookmarks::restore(m_workbench.activeEditor(), m_saved);
    refreshButtons();
}

bool BookmarkBar::eventFilter(QObject *watched, QEvent *event)
{
    // A click on the gutter puts the caret on the line and toggles a bookmark there.
    if (watched == m_gutter && event->type() == QEvent::MouseButtonRelease && m_gutter->pressedLine() > 0) {
        TLEdit &editor = m_workbench.activeEditor();
        const int line = m_gutter->pressedLine();
        editor.SetSelection(SelectionRecord::at({line, 0}));
        editor.setFocus();
        EditorBookmarks::toggleFromGutter(editor, line);
        refreshButtons();
    }
    return false;
}
