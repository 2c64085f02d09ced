#pragma once

#include <QObject>

class ElementDialogCommands;
class LibraryFiles;
class Workbench;
struct LibraryLists;

// The commands that open the program's dialogs: "Skrifttype..." (and the
// toolbar's button), "Farve, Webfarvedialog..." and "Farve, Windowsdialog...",
// and the element dialog's entries.
class DialogCommands : public QObject
{
    Q_OBJECT
public:
    DialogCommands(Workbench &workbench, LibraryFiles &library, const LibraryLists &lists);

    ElementDialogCommands &elementDialogs() const { return *m_elementDialogs; }

private:
    void insertFont();
    // Opens the web or the system colour dialog and puts the chosen colour at the caret.
    void insertColour(bool web);

    Workbench &m_workbench;
    LibraryFiles &m_library;
    ElementDialogCommands *m_elementDialogs;
};
