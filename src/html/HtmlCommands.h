#pragma once

#include <QObject>

class AutoDateCommands;
class TextConversions;
class Workbench;
struct LibraryLists;

// The markup commands of the "Indsæt" and "Formater" menus, the text
// conversions, the HTML check and the update date; and what saving and
// opening do to pages: the generator element and the date before an HTML
// page is written, the Danish letters as references in what is written, and
// back to letters when a page is opened.
class HtmlCommands : public QObject
{
    Q_OBJECT

public:
    // The lists are those the libraries fill; the check reads them when it runs.
    HtmlCommands(Workbench &workbench, const LibraryLists &lists);

    AutoDateCommands &autoDate() const { return *m_autoDate; }

private:
    void attachMarkup();
    void attachConversions();
    void attachCheckAndDate();
    void followDocuments();

    Workbench &m_workbench;
    const LibraryLists &m_lists;
    TextConversions *m_conversions;
    AutoDateCommands *m_autoDate;
};
