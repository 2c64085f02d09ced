// The context menus of the document area and the shortcuts that have no menu
// entry.
#include "app/DocumentArea.h"
#include "core/SettingsStore.h"
#include "app/TfrmPW4.h"
#include "editor/TLEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

namespace {

QAction *addCopy(QMenu *menu, QAction *command, const QString &caption = QString())
{
    QAction *entry = menu->addAction(caption.isEmpty() ? command->text() : caption);
    entry->setEnabled(command->isEnabled());
    QObject::connect(entry, &QAction::triggered, command, &QAction::trigger);
    return entry;
}

} // namespace

QMenu *TfrmPW4::selectionContextMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("popMedMarkering"));
    addCopy(menu, command(QStringLiteral("actKlip")), QStringLiteral("Klip"));
    addCopy(menu, command(QStringLiteral("actKopier")), QStringLiteral("Kopier"));
    addCopy(menu, command(QStringLiteral("actSaetInd")), QStringLiteral("Sæt ind"))
        ->setEnabled(!QApplication::clipboard()->text().isEmpty());
    menu->addSeparator();
    addCopy(menu, command(QStringLiteral("actFed")), QStringLiteral("Fed"));
    addCopy(menu, command(QStringLiteral("actKursiv")), QStringLiteral("Kursiv"));
    addCopy(menu, command(QStringLiteral("actUnderstreget")), QStringLiteral("Understreget"));
    menu->addSeparator();
    addCopy(menu, command(QStringLiteral("actFontPlus")), QStringLiteral("Fontstørrelse +1"));
    addCopy(menu, command(QStringLiteral("actFontMinus")), QStringLiteral("Fontstørrelse -1"));
    menu->addSeparator();
    QMenu *fixed = menu->addMenu(QStringLiteral("Faste formater"));
    for (int level = 1; level <= 6; ++level)
        addCopy(fixed, command(QStringLiteral("actOverskrift%1").arg(level)), QStringLiteral("Overskrift %1").arg(level));
    addCopy(fixed, command(QStringLiteral("actSkrivemaskine")), QStringLiteral("Skrivemaskine"));
    addCopy(fixed, command(QStringLiteral("actPraeformateret")), QStringLiteral("Præformateret"));
    menu->addSeparator();
    addCopy(menu, command(QStringLiteral("actCentrer")), QStringLiteral("Centrér"));
    addCopy(menu, command(QStringLiteral("actHoejrejuster")), QStringLiteral("Højrejustér"));
    menu->addSeparator();
    addCopy(menu, command(QStringLiteral("actSkrifttype")), QStringLiteral("Skrifttype..."));
    menu->addSeparator();
    addCopy(menu, command(QStringLiteral("actPunktopstilling")), QStringLiteral("Punktopstilling..."));
    return menu;
}

QMenu *TfrmPW4::documentContextMenu(bool onTabStrip)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(onTabStrip ? QStringLiteral("popFaneblad") : QStringLiteral("popUdenMarkering"));
    addCopy(menu, command(QStringLiteral("actLuk")), QStringLiteral("Luk"));
    addCopy(menu, command(QStringLiteral("actOverfoersel")), QStringLiteral("Overførsel til Internet..."));
    menu->addAction(QStringLiteral("Føj til Favoritfiler"))->setEnabled(false);
    menu->addSeparator();
    addCopy(menu, command(QStringLiteral("actEksternBrowser")), QStringLiteral("Vis side i ekstern browser"));
    QAction *master = addCopy(menu, command(QStringLiteral("actModerside")), QStringLiteral("Moderside"));
    master->setCheckable(true);
    master->setChecked(m_documents->masterTab() == m_documents->currentIndex());
    if (onTabStrip)
        return menu;
    menu->addSeparator();
    addCopy(menu, command(QStringLiteral("actTitel")), QStringLiteral("Titel..."));
    QMenu *dialogs = menu->addMenu(QStringLiteral("Elementdialogbokse"));
    for (const char *id : {"actHenvisning", "actGrafik", "actLyd", "actLinie", "actEmail", "actBasiskoder"})
        addCopy(dialogs, command(QString::fromLatin1(id)));
    menu->addSeparator();
    addCopy(menu, command(QStringLiteral("actLinieskift")), QStringLiteral("Linieskift"));
    addCopy(menu, command(QStringLiteral("actAfsnit")), QStringLiteral("Afsnit"));
    addCopy(menu, command(QStringLiteral("actVandretLinie")), QStringLiteral("Vandret linie"));
    menu->addSeparator();
    addCopy(menu, command(QStringLiteral("actOpdateringsdato")), QStringLiteral("Opdateringsdato"));
    menu->addSeparator();
    addCopy(menu, command(QStringLiteral("actSaetInd")), QStringLiteral("Sæt ind"))
        ->setEnabled(!QApplication::clipboard()->text().isEmpty());
    menu->addSeparator();
    QAction *properties = addCopy(menu, command(QStringLiteral("actEgenskaber")), QStringLiteral("Egenskaber"));
    properties->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Return));
    properties->setEnabled(properties->isEnabled() && !m_documents->pathAt(m_documents->currentIndex()).isEmpty());
    return menu;
}

void TfrmPW4::buildShortcuts()
{
    QTabBar *tabs = m_documents->tabBar();
    tabs->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tabs, &QWidget::customContextMenuRequested, this, [this, tabs](const QPoint &at) {
        const int tab = tabs->tabAt(at);
        if (tab >= 0)
            m_documents->setCurrentIndex(tab);
        QMenu *menu = documentContextMenu(true);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(tabs->mapToGlobal(at));
    });
    const auto add = [this](const QKeySequence &keys, std::function<void()> run) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, std::move(run));
    };
    add(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Tab), [this] {
        if (!m_resourcePanel->isHidden())
            m_resourcePanel->setFocus();
    });
}

bool TfrmPW4::switchDocumentByKey(QKeyEvent *event)
{
    // Ctrl+Tab and Ctrl+Shift+Tab go to the next and previous document,
    // wrapping round; the editor would otherwise take them as typing.
    if (!(event->modifiers() & Qt::ControlModifier) || (event->modifiers() & Qt::AltModifier))
        return false;
    const int count = m_documents->count();
    if (event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier))
        m_documents->setCurrentIndex((m_documents->currentIndex() + 1) % count);
    else if (event->key() == Qt::Key_Backtab || event->key() == Qt::Key_Tab)
        m_documents->setCurrentIndex((m_documents->currentIndex() + count - 1) % count);
    else
        return false;
    return true;
}
