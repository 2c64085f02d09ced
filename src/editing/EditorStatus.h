#pragma once

#include <QObject>

class TFriendlyStatusBar;
class TLEdit;
class Workbench;

// The active editor's state in the window: "Gem", "Fortryd" and "Annuller
// fortryd" follow its modified text and undo history, and so do the commands
// whose state follows the text ("Udskriv...", "Tjek HTML-koder"); the status
// panels follow its length and caret, "Overskriv" its insert mode; a click on
// the status bar tells the document's length.
class EditorStatus : public QObject
{
    Q_OBJECT

public:
    explicit EditorStatus(Workbench &workbench);

    void watch(TLEdit &editor);
    // Brings the active editor's state to the window.
    void show();
    void editorChanged(TLEdit &editor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refreshOverwriteLabel();

    Workbench &m_workbench;
    TFriendlyStatusBar *m_statusBar; // events reach it while the window comes apart
};
