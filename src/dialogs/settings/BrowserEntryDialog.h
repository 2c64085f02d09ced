#pragma once

#include "core/SettingsOptions.h"

#include <QDialog>

class Prompter;
class QLineEdit;

// Asks for the name and the program of an external browser.
class BrowserEntryDialog : public QDialog
{
    Q_OBJECT

public:
    BrowserEntryDialog(Prompter &prompter, const BrowserEntry &entry, QWidget *parent = nullptr);

    BrowserEntry entry() const;
    QLineEdit *nameField() const { return m_name; }
    QLineEdit *pathField() const { return m_path; }

    // Closes only with both a name and a path; otherwise says so and stays.
    void accept() override;
    // Chooses the program through the open dialog.
    void choosePath();

private:
    Prompter &m_prompter;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_path = nullptr;
};
