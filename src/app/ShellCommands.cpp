#include "app/ShellCommands.h"

#include "app/HelpKeyword.h"
#include "app/HelpPages.h"
#include "app/TfrmSplash.h"
#include "core/AppFolders.h"
#include "core/OptionsModel.h"
#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "dialogs/settings/TfrmIndstil.h"
#include "editor/TLEdit.h"
#include "workbench/CommandRegistry.h"
#include "workbench/CommandTable.h"
#include "workbench/Workbench.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>

ShellCommands::ShellCommands(Workbench &workbench, TfrmIndstil &settingsDialog, std::function<void(bool)> showResourcePanel)
    : QObject(&workbench.window())
    , m_workbench(workbench)
    , m_settingsDialog(settingsDialog)
    , m_openUrl([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    CommandRegistry &commands = workbench.commands();
    QAction &panel = commands.require(QStringLiteral("actResursefaner"));
    commands.handle(QStringLiteral("actResursefaner"), [&panel, showResourcePanel] { showResourcePanel(panel.isChecked()); });
    panel.setChecked(true);
    commands.handle(QStringLiteral("actIndstillinger"), [this] { m_settingsDialog.exec(); });
    commands.handle(QStringLiteral("actAfslut"), [&workbench] { workbench.window().close(); });

    commands.handle(QStringLiteral("actHjaelp"), [this] { openHelpPage(HelpPages::Contents); });
    commands.handle(QStringLiteral("actSoegHjaelp"), [this] { openHelpPage(HelpPages::Search); });
    commands.handle(QStringLiteral("actTastaturgenveje"),
                    [this] { openHelpPage(HelpPages::forContext(HelpPages::KeyboardContext)); });
    connect(&m_settingsDialog, &TfrmIndstil::helpRequested, this,
            [this](int context) { openHelpPage(HelpPages::forContext(context)); });
    for (const CommandEntry &top : CommandTable::menuBar()) {
        QMenu *menu = commands.menu(top.id);
        QList<QMenu *> menus = menu->findChildren<QMenu *>();
        menus.append(menu);
        for (QMenu *m : std::as_const(menus)) {
            m_menuSections.insert(m, top.id);
            m->installEventFilter(this);
        }
    }
    for (int i = 0; i < 3; ++i)
        commands.handle(QStringLiteral("actHjaelpefil%1").arg(i + 1), [this, i] { openUserHelpFile(i); });
    commands.handle(QStringLiteral("actOm"), [this] { showAbout(); });
    connect(commands.menu(QStringLiteral("mnuHjaelp")), &QMenu::aboutToShow, this, [this, &commands] {
        const SettingsOptions &o = m_workbench.options().options();
        const QString names[] = {o.helpName1, o.helpName2, o.helpName3};
        for (int i = 0; i < 3; ++i)
            commands.require(QStringLiteral("actHjaelpefil%1").arg(i + 1)).setText(names[i]);
    });
}

void ShellCommands::showAbout()
{
    if (!m_about)
        m_about = new TfrmSplash(&m_workbench.window());
    m_about->showAsAbout();
}

bool ShellCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(event)->key() != Qt::Key_F1)
        return QObject::eventFilter(watched, event);
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    openHelpPage(HelpPages::Contents, m_menuSections.value(watched));
    return true;
}

void ShellCommands::openHelpPage(const QString &page, const QString &section)
{
    const QString path = AppFolders::join(m_workbench.programFolder(), QStringLiteral("help/") + page);
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile()) {
        m_workbench.prompter().message({Product::Caption, QStringLiteral("Hjælpesiden \"%1\" findes ikke.").arg(shown),
                                        Prompter::Icon::Warning, Prompter::Ok});
        return;
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (!section.isEmpty())
        url.setFragment(section);
    if (!m_openUrl(url)) {
        m_workbench.prompter().message({Product::Caption,
                                        QStringLiteral("Hjælpesiden \"%1\" kunne ikke åbnes i en browser.").arg(shown),
                                        Prompter::Icon::Warning, Prompter::Ok});
    }
}

void ShellCommands::openUserHelpFile(int index)
{
    const SettingsOptions &o = m_workbench.options().options();
    const QString files[] = {o.helpFile1, o.helpFile2, o.helpFile3};
    const QString file = files[index];
    if (file.isEmpty()) {
        m_workbench.prompter().message({Product::Caption,
                                        QStringLiteral("Du skal angive stien til den fil, du ønsker at bruge som hjælpefil"),
                                        Prompter::Icon::Warning, Prompter::Ok});
        m_settingsDialog.showHelpFileField(index);
        m_settingsDialog.show();
        return;
    }
    // A help file of any kind is opened by the desktop; an HTML help file is
    // opened at the keyword's anchor when there is one.
    TLEdit &editor = m_workbench.activeEditor();
    const SelectionRecord selection = editor.GetSelection();
    const QString keyword = helpKeyword(editor.GetLine(selection.caretLine), selection.caretColumn, editor.GetSelText());
    QUrl url = QUrl::fromLocalFile(file);
    if (!keyword.isEmpty() && (file.endsWith(QLatin1String(".htm")) || file.endsWith(QLatin1String(".html"))))
        url.setFragment(keyword);
    m_openUrl(url);
}
