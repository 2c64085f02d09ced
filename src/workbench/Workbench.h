#pragma once

#include <QString>

class CommandRegistry;
class DocumentArea;
class DocumentList;
class OptionsModel;
class Prompter;
class PublishRequests;
class QWidget;
class SettingsStore;
class TFriendlyStatusBar;
class TLEdit;

// What the main window offers the parts of the program that attach to it:
// the documents and the active editor, the options, the prompter, the status
// panels and the commands. A part takes this, never the window itself.
class Workbench
{
public:
    virtual ~Workbench() = default;

    // The window, as the parent of the part's dialogs and menus.
    virtual QWidget &window() = 0;
    // The editor of the active document; there is always one.
    virtual TLEdit &activeEditor() const = 0;
    // The open documents, and their tabs and editors.
    virtual DocumentList &documents() = 0;
    virtual DocumentArea &documentArea() = 0;
    virtual OptionsModel &options() = 0;
    virtual Prompter &prompter() = 0;
    virtual SettingsStore &settings() = 0;
    virtual TFriendlyStatusBar &status() = 0;
    virtual CommandRegistry &commands() = 0;
    // The folder of the shipped data, ending with "/".
    virtual QString programFolder() const = 0;
    // Shows the page of the resource panel, showing the panel if it is hidden.
    virtual void showResourcePage(QWidget &page) = 0;
    // Where files are handed to the publishing window.
    virtual PublishRequests &publishRequests() = 0;
};
