#include "search/DocumentSearch.h"

#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "editor/TLEdit.h"
#include "search/FindReplaceDialog.h"

DocumentSearch::DocumentSearch(Prompter &prompter, std::function<TLEdit *()> activeEditor, QWidget *window)
    : QObject(window)
    , m_prompter(prompter)
    , m_activeEditor(std::move(activeEditor))
    , m_find(new FindReplaceDialog(FindReplaceDialog::Mode::Find, window))
    , m_replace(new FindReplaceDialog(FindReplaceDialog::Mode::Replace, window))
{
    connect(m_find, &FindReplaceDialog::findNextRequested, this, [this] { find(*m_find); });
    connect(m_replace, &FindReplaceDialog::findNextRequested, this, [this] { find(*m_replace); });
    connect(m_replace, &FindReplaceDialog::replaceRequested, this, [this] {
        TLEdit *editor = m_activeEditor();
        prepareReplace(*editor);
        editor->Replace();
    });
    connect(m_replace, &FindReplaceDialog::replaceAllRequested, this, [this] {
        TLEdit *editor = m_activeEditor();
        prepareReplace(*editor);
        editor->ReplaceAllMatches(); // the count comes through the found notification
    });
}

void DocumentSearch::showFind()
{
    const QString selected = m_activeEditor()->GetSelText();
    if (!selected.isEmpty())
        m_find->setFindText(selected);
    m_find->present();
}

void DocumentSearch::findAgain()
{
    if (m_find->findText().isEmpty())
        showFind();
    else
        find(*m_find);
}

void DocumentSearch::showReplace()
{
    const QString selected = m_activeEditor()->GetSelText();
    if (!selected.isEmpty())
        m_replace->setFindText(selected);
    m_replace->present();
}

void DocumentSearch::find(const FindReplaceDialog &dialog)
{
    TLEdit *editor = m_activeEditor();
    SearchOptions options = SearchOptions::fromFlags(editor->GetSearchFlags());
    options.wholeWord = dialog.wholeWord();
    options.matchCase = dialog.matchCase();
    options.direction = dialog.searchDown() ? SearchOptions::Forward : SearchOptions::Backward;
    editor->SetSearchFlags(options.toFlags());
    editor->SetFindText(dialog.findText());
    editor->FindNext();
}

void DocumentSearch::prepareReplace(TLEdit &editor)
{
    // Whole words stay as the last find left them.
    SearchOptions options = SearchOptions::fromFlags(editor.GetSearchFlags());
    options.matchCase = m_replace->matchCase();
    options.direction = SearchOptions::Forward;
    editor.SetSearchFlags(options.toFlags());
    editor.SetFindText(m_replace->findText());
    editor.SetReplaceText(m_replace->replaceText());
}

void DocumentSearch::watch(TLEdit &editor)
{
    editor.setNotifyFoundHandler([this, &editor](int count) { reportFound(editor, count); });
}

void DocumentSearch::reportFound(TLEdit &editor, int count)
{
    const QString text = count == 0 ? QStringLiteral("Søgningen gav intet resultat.")
                                    : QStringLiteral("%1 erstattede %2 tilfælde af\r\r\"%3\"")
                                          .arg(Product::Name, QString::number(count), editor.GetFindText());
    m_prompter.message({Product::Caption, text, Prompter::Icon::Information, Prompter::Ok});
}
