#include "preview/browser/BrowserViewChrome.h"

#include "documents/DocumentArea.h"
#include "workbench/CommandRegistry.h"
#include "workbench/Workbench.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QToolBar>

namespace {

const char *const EditingMenus[] = {"mnuRediger", "mnuSoeg", "mnuFormater", "mnuIndsaet", "mnuStruktur", "mnuBiblioteker"};
const char *const EditorOnlyCommands[] = {"actTjekHtml"};
const char *const FormatChecks[] = {"actFed", "actKursiv", "actUnderstreget", "actCentrer", "actPunktopstilling"};

QString id(const char *name)
{
    return QString::fromLatin1(name);
}

void collectActions(const QMenu &menu, QList<QAction *> &actions)
{
    for (QAction *action : menu.actions()) {
        if (action->menu())
            collectActions(*action->menu(), actions);
        else if (!action->isSeparator())
            actions.append(action);
    }
}

} // namespace

BrowserViewChrome::BrowserViewChrome(Workbench &workbench)
    : QObject(&workbench.window())
    , m_workbench(workbench)
{
    CommandRegistry &commands = workbench.commands();
    for (const char *menuId : EditingMenus) {
        QList<QAction *> actions;
        collectActions(*commands.menu(id(menuId)), actions);
        for (QAction *action : std::as_const(actions))
            blockShortcutsOf(*action);
    }
    for (const char *commandId : EditorOnlyCommands) {
        QAction &action = commands.require(id(commandId));
        blockShortcutsOf(action);
        // Opening a menu re-evaluates every command; in the browser view these stay off.
        for (QMenu *menu : workbench.window().findChildren<QMenu *>()) {
            connect(menu, &QMenu::aboutToShow, this, [this, &action] {
                if (m_browserShown)
                    action.setEnabled(false);
            });
        }
    }
}

void BrowserViewChrome::blockShortcutsOf(QAction &action)
{
    action.installEventFilter(this);
}

bool BrowserViewChrome::eventFilter(QObject *, QEvent *event)
{
    return m_browserShown && event->type() == QEvent::Shortcut;
}

void BrowserViewChrome::showBrowserView(bool shown)
{
    m_browserShown = shown;
    CommandRegistry &commands = m_workbench.commands();
    for (const char *menuId : EditingMenus)
        commands.menu(id(menuId))->menuAction()->setEnabled(!shown);
    if (auto *mainBar = m_workbench.window().findChild<QToolBar *>(QStringLiteral("tbMain")))
        mainBar->setEnabled(!shown);
    DocumentArea &area = m_workbench.documentArea();
    area.editorToolBar()->setVisible(!shown);
    captionBar().setVisible(shown);
    markView();
    if (shown) {
        for (const char *commandId : FormatChecks)
            commands.require(id(commandId)).setChecked(false);
        for (const char *commandId : EditorOnlyCommands)
            commands.require(id(commandId)).setEnabled(false);
    } else {
        commands.refreshAll();
    }
}

void BrowserViewChrome::markView()
{
    CommandRegistry &commands = m_workbench.commands();
    commands.require(QStringLiteral("actKodeeditor")).setChecked(!m_browserShown);
    commands.require(QStringLiteral("actInternBrowser")).setChecked(m_browserShown);
}

QToolBar &BrowserViewChrome::captionBar()
{
    if (!m_captionBar) {
        m_captionBar = new QToolBar(&m_workbench.window());
        m_captionBar->setObjectName(QStringLiteral("tbInternBrowser"));
        m_captionBar->setMovable(false);
        m_captionBar->addWidget(new QLabel(QStringLiteral("  INTERN BROWSER")));
        if (auto *window = qobject_cast<QMainWindow *>(&m_workbench.window()))
            window->addToolBar(m_captionBar);
    }
    return *m_captionBar;
}
