#include "resources/LibraryCommands.h"

#include "resources/LibraryTab.h"
#include "workbench/CommandRegistry.h"
#include "workbench/Workbench.h"

#include <QWidget>

LibraryCommands::LibraryCommands(Workbench &workbench, LibraryTab &tab)
    : QObject(&workbench.window())
{
    const std::pair<const char *, int> commands[] = {
        {"actHtmlBibliotek", LibraryTab::Html},
        {"actCssBibliotek", LibraryTab::Css},
        {"actJsBibliotek", LibraryTab::JavaScript},
        {"actSpecialtegnBibliotek", LibraryTab::SpecialCharacters},
        {"actBrugerkoderBibliotek", LibraryTab::UserCodes},
    };
    for (const auto &[id, library] : commands) {
        workbench.commands().handle(QString::fromLatin1(id), [&workbench, &tab, library = library] {
            workbench.showResourcePage(tab);
            tab.ShowLibrary(library);
        });
    }
}
