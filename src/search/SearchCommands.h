#pragma once

#include <QObject>

class DocumentCommands;
class DocumentSearch;
class ExtendedSearchCommands;
class Workbench;

// "Søg", "Find næste" and "Erstat..." in the active document, and the
// extended search and replace across documents and files.
class SearchCommands : public QObject
{
    Q_OBJECT

public:
    SearchCommands(Workbench &workbench, DocumentCommands &documentCommands);

    DocumentSearch &documentSearch() const { return *m_search; }
    ExtendedSearchCommands &extendedSearch() const { return *m_extended; }

private:
    DocumentSearch *m_search;
    ExtendedSearchCommands *m_extended;
};
