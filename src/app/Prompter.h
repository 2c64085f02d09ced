#pragma once

#include <QFlags>
#include <QString>

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

    virtual ~Prompter() = default;

    // Shows the message and answers the button chosen; closing the window
    // answers Cancel (or No, or Ok, whichever the message offers).
    virtual Button message(const Message &message) = 0;

    // The print dialog for a printer; false when cancelled.
    virtual bool printDialog(QPrinter &printer) = 0;
    // The page and printer set-up dialog; false when cancelled.
    virtual bool printerSetup(QPrinter &printer) = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Prompter::Buttons)

namespace Product {
// The caption of the program's messages and the name it gives itself in them.
inline const QString Caption = QStringLiteral("Brindle's Pagewick");
inline const QString Name = QStringLiteral("Pagewick");
inline const QString VersionText = QStringLiteral("4");
} // namespace Product
