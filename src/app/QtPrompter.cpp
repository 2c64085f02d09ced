#include "app/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>

namespace {

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::Warning:
        return QMessageBox::Warning;
    case Prompter::Icon::Question:
        return QMessageBox::Question;
    case Prompter::Icon::Stop:
        return QMessageBox::Critical;
    case Prompter::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Prompter::Button QtPrompter::message(const Message &message)
{
    QMessageBox box(boxIcon(message.icon), message.caption, message.text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    const std::pair<Button, QMessageBox::StandardButton> pairs[] = {
        {Yes, QMessageBox::Yes}, {No, QMessageBox::No}, {Ok, QMessageBox::Ok}, {Cancel, QMessageBox::Cancel}};
    for (const auto &[ours, theirs] : pairs) {
        if (message.buttons.testFlag(ours))
            box.addButton(theirs);
    }
    const int answer = box.exec();
    for (const auto &[ours, theirs] : pairs) {
        if (answer == theirs)
            return ours;
    }
    return message.buttons.testFlag(Cancel) ? Cancel : message.buttons.testFlag(No) ? No : Ok;
}

bool QtPrompter::printDialog(QPrinter &printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrompter::printerSetup(QPrinter &printer)
{
    QPageSetupDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}
