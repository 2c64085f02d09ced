#include "search/SearchCommands.h"

#include "documents/DocumentArea.h"
#include "search/DocumentSearch.h"
#include "search/ExtendedSearchCommands.h"
#include "workbench/CommandRegistry.h"
#include "workbench/Workbench.h"

#include <QWidget>

SearchCommands::SearchCommands(Workbench &workbench, DocumentCommands &documentCommands, std::function<QString()> currentFolder)
    : QObject(&workbench.window())
    , m_search(new DocumentSearch(
          workbench.prompter(), [&workbench] { return &workbench.activeEditor(); }, &workbench.window()))
    , m_extended(new ExtendedSearchCommands(workbench, documentCommands, std::move(currentFolder)))
{
    CommandRegistry &commands = workbench.commands();
    commands.handle(QStringLiteral("actSoeg"), [this] { m_search->showFind(); });
    commands.handle(QStringLiteral("actFindNaeste"), [this] { m_search->findAgain(); });
    commands.handle(QStringLiteral("actErstat"), [this] { m_search->showReplace(); });
    connect(&workbench.documentArea(), &DocumentArea::editorAdded, m_search, &DocumentSearch::watch);
}

void SearchCommands::setProjects(std::function<ProjectTree &()> projects)
{
    m_extended->setProjects(std::move(projects));
}

void SearchCommands::showForProject(int project, bool replacing)
{
    m_extended->showForProject(project, replacing);
}
