#pragma once

#include <QObject>

#include <functional>

class FindReplaceDialog;
class Prompter;
class QWidget;
class TLEdit;

// Find and replace in the active document: the find and replace dialogs,
// made once and kept, hand their text and options to the editor, whose own
// search does the work; the outcome is told through the editor's found
// notification.
//
// Search and replacement texts are kept by the editor to 127 characters; a
// longer text from a dialog is cut to its first 127, so the search is for
// that much of it and the message after a replace-all quotes the cut text.
class DocumentSearch : public QObject
{
    Q_OBJECT

public:
    DocumentSearch(Prompter &prompter, std::function<TLEdit *()> activeEditor, QWidget *window);

    // "Søg": the selected text, if any, becomes the find text; the find dialog opens.
    void showFind();
    // "Find næste": searches as the find dialog's button does, or opens the
    // dialog while it has no text.
    void findAgain();
    // "Erstat...": the selected text, if any, becomes the find text; the replace dialog opens.
    void showReplace();

    // Reports the outcome of the editor's searches and replacements.
    void watch(TLEdit &editor);

    FindReplaceDialog *findDialog() const { return m_find; }
    FindReplaceDialog *replaceDialog() const { return m_replace; }

private:
    void find(const FindReplaceDialog &dialog);
    void prepareReplace(TLEdit &editor);
    void reportFound(TLEdit &editor, int count);

    Prompter &m_prompter;
    std::function<TLEdit *()> m_activeEditor;
    FindReplaceDialog *m_find;
    FindReplaceDialog *m_replace;
};
