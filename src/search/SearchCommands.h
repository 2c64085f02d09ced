#pragma once

#include <QObject>

#include <functional>

class DocumentCommands;
class DocumentSearch;
class ExtendedSearchCommands;
class ProjectTree;
class Workbench;

// "Søg", "Find næste" and "Erstat..." in the active document, and the
// extended search and replace across documents and files.
class SearchCommands : public QObject
{
    Q_OBJECT

public:
    // `currentFolder` gives the folder tree's folder for the extended search.
    SearchCommands(Workbench &workbench, DocumentCommands &documentCommands, std::function<QString()> currentFolder);

    DocumentSearch &documentSearch() const { return *m_search; }
    ExtendedSearchCommands &extendedSearch() const { return *m_extended; }
    // The projects the extended search offers (the tree read first when it
    // has not been), and its dialog on one of them.
    void setProjects(std::function<ProjectTree &()> projects);
    void showForProject(int project, bool replacing);

private:
    DocumentSearch *m_search;
    ExtendedSearchCommands *m_extended;
};
