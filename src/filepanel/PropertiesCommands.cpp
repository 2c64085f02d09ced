#include "filepanel/PropertiesCommands.h"

#include "core/OptionsModel.h"
#include "core/Prompter.h"
#include "documents/DocumentList.h"
#include "filepanel/TfrmEgenskaber.h"
#include "workbench/CommandRegistry.h"
#include "workbench/Workbench.h"

#include <QAction>

PropertiesCommands::PropertiesCommands(Workbench &workbench)
    : QObject(&workbench.window())
    , m_workbench(workbench)
{
    CommandRegistry &commands = workbench.commands();
    commands.handle(QStringLiteral("actEgenskaber"), [this] { showActiveDocument(false); });
    commands.enableWhile(QStringLiteral("actEgenskaber"), CommandCause::Modified,
                         [&workbench] { return !workbench.documents().active().path.isEmpty(); });
    commands.handle(QStringLiteral("actOverfoerselstid"), [this] { showActiveDocument(true); });
}

void PropertiesCommands::showFileProperties(const QString &path, const std::optional<ListedFileFacts> &facts)
{
    open(path, facts, false);
}

void PropertiesCommands::showActiveDocument(bool transferPage)
{
    const QString path = m_workbench.documents().active().path;
    if (path.isEmpty()) {
        m_workbench.prompter().message({QStringLiteral("Overførselstid"),
                                        QStringLiteral("Dokumentet skal gemmes, før overførselstiden kan beregnes."),
                                        Prompter::Icon::Information, Prompter::Ok});
        return;
    }
    open(path, std::nullopt, transferPage);
}

void PropertiesCommands::open(const QString &path, const std::optional<ListedFileFacts> &facts, bool transferPage)
{
    TfrmEgenskaber window(TfrmEgenskaber::Mode::File, m_workbench.options().options(), m_workbench.prompter(),
                          &m_workbench.window());
    connect(&window, &TfrmEgenskaber::helpRequested, this,
            [this] { m_workbench.commands().require(QStringLiteral("actHjaelp")).trigger(); });
    window.showFile(path, facts);
    if (transferPage)
        window.showTransferPage();
    m_workbench.prompter().runDialog(window);
}
