#pragma once

#include <QFlags>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QColor;
class QDialog;
class QFont;
class QPrinter;

// Every message box and question of the program goes through this interface.
// The running program answers with real dialogs; tests install a scripted one.
class Prompter
{
public:
    enum class Icon { None, Information, Warning, Question, Stop };

    enum Button {
        NoButton = 0,
        Ok = 0x1,
        Cancel = 0x2,
        Yes = 0x4,
        No = 0x8,
    };
    Q_DECLARE_FLAGS(Buttons, Button)

    struct Message
    {
        QString caption;
        QString text;
        Icon icon = Icon::None;
        Buttons buttons = Ok;
    };

    // One entry of a file dialog's type list; patterns separated by ";".
    struct FileFilter
    {
        QString description;
        QString patterns;
    };

    struct FileDialog
    {
        QString caption;
        QString folder; // where the dialog starts; empty: where the system leaves it
        QString fileName; // offered name (save) or empty
        QList<FileFilter> filters;
        int chosenFilter = 0;
        QString defaultSuffix; // save: added when the name has none
    };

    virtual ~Prompter() = default;

    // Shows the message and answers the button chosen; closing the window
    // answers Cancel (or No, or Ok, whichever the message offers).
    virtual Button message(const Message &message) = 0;

    // Open dialog allowing several files; empty when cancelled.
    virtual QStringList openFiles(const FileDialog &dialog) = 0;
    // Open dialog for one file; empty when cancelled.
    virtual QString openFile(const FileDialog &dialog) = 0;
    // Save dialog that asks before overwriting; empty when cancelled.
    virtual QString saveFile(const FileDialog &dialog) = 0;
    // Folder chooser; the folder without a trailing separator (but for the
    // root), empty when cancelled.
    virtual QString chooseFolder(const QString &caption, const QString &startFolder) = 0;
    // Text input box; nothing when cancelled.
    virtual std::optional<QString> inputText(const QString &caption, const QString &prompt, const QString &value) = 0;

    // Font and colour dialogs, starting from the given value, which they
    // change when the user confirms; false when cancelled.
    virtual bool chooseFont(QFont &font) = 0;
    virtual bool chooseColour(QColor &colour) = 0;

    // One of the program's own dialogs, shown modally; true when accepted.
    virtual bool runDialog(QDialog &dialog) = 0;

    // The print dialog for a printer; false when cancelled.
    virtual bool printDialog(QPrinter &printer) = 0;
    // The page and printer set-up dialog; false when cancelled.
    virtual bool printerSetup(QPrinter &printer) = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Prompter::Buttons)
