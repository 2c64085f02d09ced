#include "editing/EditorContextMenu.h"

#include "documents/DocumentArea.h"
#include "documents/DocumentList.h"
#include "editing/CaretPlacement.h"
#include "editor/TLEdit.h"
#include "workbench/CommandRegistry.h"
#include "workbench/PublishRequests.h"
#include "workbench/Workbench.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMenu>
#include <QShortcut>
#include <QTabBar>

namespace {

QAction *addCopy(QMenu *menu, QAction &command, const QString &caption = QString())
{
    QAction *entry = menu->addAction(caption.isEmpty() ? command.text() : caption);
    entry->setEnabled(command.isEnabled());
    QObject::connect(entry, &QAction::triggered, &command, &QAction::trigger);
    return entry;
}

} // namespace

EditorContextMenu::EditorContextMenu(Workbench &workbench)
    : QObject(&workbench.window())
    , m_workbench(workbench)
{
    auto *keyboardMenu = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &workbench.window());
    keyboardMenu->setContext(Qt::WindowShortcut);
    connect(keyboardMenu, &QShortcut::activated, this, &EditorContextMenu::contextMenuFromKeyboard);

    QTabBar *tabs = workbench.documentArea().tabBar();
    tabs->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tabs, &QWidget::customContextMenuRequested, this, &EditorContextMenu::showTabMenu);
}

void EditorContextMenu::showTabMenu(const QPoint &at)
{
    QTabBar *tabs = m_workbench.documentArea().tabBar();
    const int tab = tabs->tabAt(at);
    if (tab >= 0)
        m_workbench.documentArea().setCurrentIndex(tab);
    QMenu *menu = documentMenu(true);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(tabs->mapToGlobal(at));
}

void EditorContextMenu::contextMenuAt(const QPoint &viewportPoint)
{
    TLEdit &editor = m_workbench.activeEditor();
    if (editor.GetSelection().isEmpty())
        CaretToPoint(editor, viewportPoint.x(), viewportPoint.y());
    QMenu *menu = nullptr;
    if (!editor.GetSelection().isEmpty())
        menu = selectionMenu();
    else if (!editor.GetWordAtCaret())
        menu = documentMenu(false);
    if (menu) {
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(editor.viewport()->mapToGlobal(viewportPoint));
        return;
    }
    // A word at the caret: the element around it is edited.
    m_workbench.commands().require(QStringLiteral("actRedigerElement")).trigger();
}

void EditorContextMenu::contextMenuFromKeyboard()
{
    contextMenuAt(QPoint(0, 0));
}

QMenu *EditorContextMenu::selectionMenu()
{
    const CommandRegistry &commands = m_workbench.commands();
    const auto command = [&commands](const char *id) -> QAction & { return commands.require(QString::fromLatin1(id)); };
    auto *menu = new QMenu(&m_workbench.window());
    menu->setObjectName(QStringLiteral("popMedMarkering"));
    addCopy(menu, command("actKlip"), QStringLiteral("Klip"));
    addCopy(menu, command("actKopier"), QStringLiteral("Kopier"));
    addCopy(menu, command("actSaetInd"), QStringLiteral("Sæt ind"))->setEnabled(!QApplication::clipboard()->text().isEmpty());
    menu->addSeparator();
    addCopy(menu, command("actFed"), QStringLiteral("Fed"));
    addCopy(menu, command("actKursiv"), QStringLiteral("Kursiv"));
    addCopy(menu, command("actUnderstreget"), QStringLiteral("Understreget"));
    menu->addSeparator();
    addCopy(menu, command("actFontPlus"), QStringLiteral("Fontstørrelse +1"));
    addCopy(menu, command("actFontMinus"), QStringLiteral("Fontstørrelse -1"));
    menu->addSeparator();
    QMenu *fixed = menu->addMenu(QStringLiteral("Faste formater"));
    for (int level = 1; level <= 6; ++level) {
        addCopy(fixed, commands.require(QStringLiteral("actOverskrift%1").arg(level)),
                QStringLiteral("Overskrift %1").arg(level));
    }
    addCopy(fixed, command("actSkrivemaskine"), QStringLiteral("Skrivemaskine"));
    addCopy(fixed, command("actPraeformateret"), QStringLiteral("Præformateret"));
    menu->addSeparator();
    addCopy(menu, command("actCentrer"), QStringLiteral("Centrér"));
    addCopy(menu, command("actHoejrejuster"), QStringLiteral("Højrejustér"));
    menu->addSeparator();
    addCopy(menu, command("actSkrifttype"), QStringLiteral("Skrifttype..."));
    menu->addSeparator();
    addCopy(menu, command("actPunktopstilling"), QStringLiteral("Punktopstilling..."));
    return menu;
}

QMenu *EditorContextMenu::documentMenu(bool onTabStrip)
{
    const CommandRegistry &commands = m_workbench.commands();
    const auto command = [&commands](const char *id) -> QAction & { return commands.require(QString::fromLatin1(id)); };
    DocumentList &documents = m_workbench.documents();
    auto *menu = new QMenu(&m_workbench.window());
    menu->setObjectName(onTabStrip ? QStringLiteral("popFaneblad") : QStringLiteral("popUdenMarkering"));
    addCopy(menu, command("actLuk"), QStringLiteral("Luk"));
    // Sends the active document; a document never saved has no file to send.
    const QString path = documents.active().path;
    PublishRequests &publishing = m_workbench.publishRequests();
    QAction *upload = menu->addAction(QStringLiteral("Overførsel til Internet..."));
    upload->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
    upload->setEnabled(publishing.available() && !path.isEmpty());
    connect(upload, &QAction::triggered, &publishing,
            [&publishing, path] { emit publishing.uploadFiles({path}, QFileInfo(path).fileName()); });
    menu->addAction(QStringLiteral("Føj til Favoritfiler"))->setEnabled(false);
    menu->addSeparator();
    addCopy(menu, command("actEksternBrowser"), QStringLiteral("Vis side i ekstern browser"));
    QAction *master = addCopy(menu, command("actModerside"), QStringLiteral("Moderside"));
    master->setCheckable(true);
    master->setChecked(documents.masterIndex() == documents.activeIndex());
    if (onTabStrip)
        return menu;
    menu->addSeparator();
    addCopy(menu, command("actTitel"), QStringLiteral("Titel..."));
    QMenu *dialogs = menu->addMenu(QStringLiteral("Elementdialogbokse"));
    for (const char *id : {"actHenvisning", "actGrafik", "actLyd", "actLinie", "actEmail", "actBasiskoder"})
        addCopy(dialogs, command(id));
    menu->addSeparator();
    addCopy(menu, command("actLinieskift"), QStringLiteral("Linieskift"));
    addCopy(menu, command("actAfsnit"), QStringLiteral("Afsnit"));
    addCopy(menu, command("actVandretLinie"), QStringLiteral("Vandret linie"));
    menu->addSeparator();
    addCopy(menu, command("actOpdateringsdato"), QStringLiteral("Opdateringsdato"));
    menu->addSeparator();
    addCopy(menu, command("actSaetInd"), QStringLiteral("Sæt ind"))->setEnabled(!QApplication::clipboard()->text().isEmpty());
    menu->addSeparator();
    QAction *properties = addCopy(menu, command("actEgenskaber"), QStringLiteral("Egenskaber"));
    properties->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Return));
    properties->setEnabled(properties->isEnabled() && !documents.active().path.isEmpty());
    return menu;
}
