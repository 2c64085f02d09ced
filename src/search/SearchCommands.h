#pragma once

#include <QObject>

class DocumentSearch;
class Workbench;

// "Søg", "Find næste" and "Erstat..." in the active document.
class SearchCommands : public QObject
{
    Q_OBJECT

public:
    explicit SearchCommands(Workbench &workbench);

    DocumentSearch &documentSearch() const { return *m_search; }

private:
    DocumentSearch *m_search;
};
