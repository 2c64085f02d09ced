#pragma once

#include <QObject>

#include <optional>

class ElementAtCaretCommands;
class ElementDialogCommands;
class LibraryFiles;
class TfrmIndstil;
class Workbench;
struct LibraryLists;

// The commands that open the program's dialogs: "Skrifttype..." (and the
// toolbar's button), "Farve, Webfarvedialog..." and "Farve, Windowsdialog...",
// the element dialog's entries, and the editing of existing elements.
class DialogCommands : public QObject
{
    Q_OBJECT
public:
    // The settings dialog's browser list is edited in the element dialog.
    DialogCommands(Workbench &workbench, LibraryFiles &library, const LibraryLists &lists, TfrmIndstil &settingsDialog);

    ElementDialogCommands &elementDialogs() const { return *m_elementDialogs; }

private:
    // The stand-in for the script and stylesheet editor.
    std::optional<QString> editText(const QString &caption, const QString &text);
    void insertFont();
    // The font dialog on an existing font element's fields: its new start tag.
    std::optional<QString> editFont(const QString &face, const QString &colour, const QString &size, const QString &kept,
                                    const QString &remainder);
    // Opens the web or the system colour dialog and puts the chosen colour at the caret.
    void insertColour(bool web);

    Workbench &m_workbench;
    LibraryFiles &m_library;
    ElementDialogCommands *m_elementDialogs;
    ElementAtCaretCommands *m_elementAtCaret;
};
