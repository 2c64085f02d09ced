#include "preview/PreviewCommands.h"

#include "core/OptionsModel.h"
#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "dialogs/settings/TfrmIndstil.h"
#include "documents/DocumentArea.h"
#include "preview/ExternalBrowsers.h"
#include "preview/PreviewTarget.h"
#include "workbench/CommandRegistry.h"
#include "workbench/Workbench.h"

#include <QAction>
#include <QCursor>
#include <QDesktopServices>
#include <QDir>
#include <QMenu>

PreviewCommands::PreviewCommands(Workbench &workbench, TfrmIndstil &settingsDialog, PreviewServices services)
    : QObject(&workbench.window())
    , m_workbench(workbench)
    , m_settingsDialog(settingsDialog)
    , m_services(std::move(services))
    , m_browserMenu(new QMenu(&workbench.window()))
{
    m_browserMenu->setObjectName(QStringLiteral("mnuBrowsere"));
    for (int index = 0; index < ExternalBrowsers::MenuSize; ++index)
        connect(m_browserMenu->addAction(QString()), &QAction::triggered, this, [this, index] { openInBrowser(index); });

    workbench.commands().handle(QStringLiteral("actEksternBrowser"), [this] { showInExternalBrowser(true); });
    // Shift+F11 belongs to the editor: in the document area, not the whole window. As a command the
    // editor leaves the key to it.
    QAction &straightToFirst = workbench.commands().add(QStringLiteral("actEksternBrowserUdenMenu"),
                                                        QStringLiteral("Vis side i første eksterne browser"));
    straightToFirst.setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F11));
    straightToFirst.setShortcutContext(Qt::WidgetWithChildrenShortcut);
    workbench.documentArea().addAction(&straightToFirst);
    workbench.commands().handle(straightToFirst.objectName(), [this] { showInExternalBrowser(false); });
}

void PreviewCommands::showInExternalBrowser(bool menuAllowed)
{
    const ProgramPathOptions &options = m_workbench.options().options();
    PreviewSources from = sources();
    QString failure;
    const std::optional<QString> target = externalPreviewTarget(from, options, &failure);
    if (!target) {
        if (!failure.isEmpty())
            warn(failure);
        return;
    }
    m_target = *target;

    const auto routeNow = [this, menuAllowed] {
        const ProgramPathOptions &current = m_workbench.options().options();
        return ExternalBrowsers::route(current.browsers, menuAllowed && current.browserMenu);
    };
    ExternalBrowsers::Route route = routeNow();
    if (route == ExternalBrowsers::Route::AskToRegister) {
        if (!askToRegisterBrowser()) {
            openInDesktopBrowser();
            return;
        }
        m_settingsDialog.showPage(TfrmIndstil::ProgramPathsPage);
        m_workbench.prompter().runDialog(m_settingsDialog);
        route = routeNow();
    }
    switch (route) {
    case ExternalBrowsers::Route::DesktopDefault:
        openInDesktopBrowser();
        break;
    case ExternalBrowsers::Route::Menu:
        popUpBrowserMenu();
        break;
    case ExternalBrowsers::Route::AskToRegister: // still missing: trying it names it to the user
    case ExternalBrowsers::Route::FirstBrowser:
        openInBrowser(0);
        break;
    }
}

std::optional<QString> PreviewCommands::internalTarget()
{
    PreviewSources from = sources();
    QString failure;
    const std::optional<QString> target = internalPreviewTarget(from, m_workbench.options().options(), &failure);
    if (target)
        m_target = *target;
    else if (!failure.isEmpty())
        warn(failure);
    return target;
}

PreviewSources PreviewCommands::sources()
{
    QString folder = m_services.scratchFolder();
    // Without a file panel folder that still exists, the copy goes where temporary files go.
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    return {m_workbench.documents(), m_copy, folder, m_services.save};
}

void PreviewCommands::openInBrowser(int index)
{
    const QList<BrowserEntry> &browsers = m_workbench.options().options().browsers;
    if (index >= browsers.size())
        return;
    if (!ExternalBrowsers::launch(browsers.at(index), m_target))
        warn(ExternalBrowsers::launchFailure(browsers.at(index)));
}

void PreviewCommands::openInDesktopBrowser()
{
    if (!QDesktopServices::openUrl(ExternalBrowsers::targetUrl(m_target)))
        warn(QStringLiteral("Skrivebordets standardbrowser kunne ikke vise %1.").arg(m_target));
}

void PreviewCommands::popUpBrowserMenu()
{
    const QStringList names = ExternalBrowsers::menuNames(m_workbench.options().options().browsers);
    const QList<QAction *> entries = m_browserMenu->actions();
    for (int index = 0; index < entries.size(); ++index) {
        entries.at(index)->setText(names.value(index));
        entries.at(index)->setVisible(index < names.size());
    }
    m_browserMenu->popup(QCursor::pos());
}

bool PreviewCommands::askToRegisterBrowser()
{
    return m_workbench.prompter().message(
               {QStringLiteral("Tilslut browser"),
                QStringLiteral("For at udnytte denne funktion fuldt ud, skal din webbrowser registreres i Pagewick.\n"
                               "Ønsker du at gøre det nu?"),
                Prompter::Icon::Question, Prompter::Yes | Prompter::No})
        == Prompter::Yes;
}

void PreviewCommands::warn(const QString &text)
{
    m_workbench.prompter().message({Product::Caption, text, Prompter::Icon::Warning, Prompter::Ok});
}
