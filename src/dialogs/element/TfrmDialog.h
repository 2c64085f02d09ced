#pragma once

#include "dialogs/element/ElementEdit.h"

#include <QDialog>

#include <functional>

class CommonPanel;
class ElementPanel;
class HelpLine;
class Workbench;
struct LibraryLists;

// The element dialog: one kind's panel, with the common panel of class, id,
// style and events below it where the kind has one, a help line, OK and
// Annuller. OK writes the panel's markup into the active document, unless
// that is read-only: then nothing at all is written or stored. The edit
// values are cleared however the dialog ends.
class TfrmDialog : public QDialog
{
    Q_OBJECT

public:
    struct Services
    {
        Workbench &workbench;
        const LibraryLists &lists;
        // The library's help text of a help key.
        std::function<QString(int helpKey)> helpText;
        // Opens a text in an editor: the edited text, or nothing when cancelled.
        std::function<std::optional<QString>(const QString &caption, const QString &text)> textEditor;
        // The frames dialog's no-frames text, which that panel edits.
        QString *noFramesText = nullptr;
    };

    TfrmDialog(int kind, ElementEdit &edit, const Services &services, QWidget *parent = nullptr);
    ~TfrmDialog() override;

    ElementPanel &panel() const { return *m_panel; }
    HelpLine &helpLine() const { return *m_help; }

    // OK closes the dialog only when the panel accepts its fields.
    void accept() override;

    // OK's work: the panel's markup into the active document (unless it is
    // read-only) and what the dialog remembers.
    void apply();

private:
    ElementPanel *makePanel(int kind);
    // A file chosen for a field of the page panel, as a path relative to
    // the document (which is offered to be saved first when it has no name).
    std::optional<QString> chooseRelativeFile(const QString &caption, bool picture);

    int m_kind;
    ElementEdit &m_edit;
    Services m_services;
    HelpLine *m_help;
    ElementPanel *m_panel = nullptr;
    CommonPanel *m_common = nullptr;
};

// Shows the element dialog of a kind on the active document through the
// prompter and applies it on OK; whether OK ended it.
bool OpenElementDialog(int kind, ElementEdit &edit, const TfrmDialog::Services &services);
