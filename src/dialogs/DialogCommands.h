#pragma once

#include <QObject>

class LibraryFiles;
class Workbench;

// The font and colour commands: "Skrifttype..." (and the toolbar's button),
// "Farve, Webfarvedialog..." and "Farve, Windowsdialog...".
class DialogCommands : public QObject
{
    Q_OBJECT
public:
    DialogCommands(Workbench &workbench, LibraryFiles &library);

private:
    void insertFont();
    // Opens the web or the system colour dialog and puts the chosen colour at the caret.
    void insertColour(bool web);

    Workbench &m_workbench;
    LibraryFiles &m_library;
};
