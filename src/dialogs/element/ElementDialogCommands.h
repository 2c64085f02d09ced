#pragma once

#include "dialogs/element/ElementEdit.h"
#include "dialogs/element/TfrmDialog.h"

#include <QObject>

// The window's entries that open the element dialog on a new element:
// "Basiskoder, ny side...", "Linie...", "Punktopstilling...", "Ord...",
// "Blok...", "Grafik..." and "Lyd...". It owns the edit values that element
// editing hands the dialog.
class ElementDialogCommands : public QObject
{
    Q_OBJECT

public:
    explicit ElementDialogCommands(const TfrmDialog::Services &services);

    ElementEdit &edit() { return m_edit; }
    // What the dialog needs, for the dialogs that other parts open.
    const TfrmDialog::Services &services() const { return m_services; }
    // The frames dialog's no-frames text, edited by the dialog's kind 10.
    QString &noFramesText() { return m_noFramesText; }
    // Opens the dialog of a kind with the edit values as they stand; whether OK ended it.
    bool open(int kind);

private:
    TfrmDialog::Services m_services;
    ElementEdit m_edit;
    QString m_noFramesText;
};
