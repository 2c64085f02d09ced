#pragma once

#include <QObject>

#include <functional>
#include <optional>

class ElementDialogCommands;
class EditableText;
class TLEdit;
class Workbench;
struct ElementReading;
struct LibraryLists;
struct LocatedElement;

// Editing an existing element: "Rediger HTML-element" (F4, and the
// right-click inside markup) opens the element at the caret in the dialog
// that writes it, filled in, and the dialog's output replaces it. "Titel...",
// "Rediger titel", "Rediger typografiregler" and "Rediger skript" do the same
// with the page's first title, style or script element, or start a new one.
class ElementAtCaretCommands : public QObject
{
    Q_OBJECT

public:
    struct Services
    {
        Workbench &workbench;
        const LibraryLists &lists;
        ElementDialogCommands &elementDialogs;
        // Opens the font dialog on an element's fields: the new start tag, or nothing.
        std::function<std::optional<QString>(const QString &face, const QString &colour, const QString &size, const QString &kept,
                                             const QString &remainder)>
            fontEditor;
        // Opens a text in an editor: the edited text, or nothing when cancelled.
        std::function<std::optional<QString>(const QString &caption, const QString &text)> textEditor;
    };

    explicit ElementAtCaretCommands(const Services &services);

    void EditElementAtCaret();
    // Edits the first element of the name outside scripts; whether there was one.
    bool EditFirstElement(const QString &name);

private:
    void editLocated(TLEdit &editor, const LocatedElement &element);
    void EditElementText(const QString &tag, const QString &content, int index);
    void editScriptOrStyle(bool style, const ElementReading *reading);
    // Runs EditFirstElement, or the fallback when the page has no such
    // element, and puts back the selection and the view.
    void editFirstOr(const QString &name, const std::function<void()> &fallback);
    void cannotEdit();
    // Runs a command of another part when it is there; whether it was.
    bool runCommand(const char *id);

    Services m_services;
};
