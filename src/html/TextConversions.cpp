#include "html/TextConversions.h"

#include "core/Prompter.h"
#include "editor/TLEdit.h"
#include "editor/TextRewrite.h"
#include "html/AutomaticConversion.h"
#include "html/ConversionCommands.h"
#include "resources/LibraryLoading.h"
#include "resources/SpecialCharacters.h"
#include "workbench/BusyDisplay.h"

TextConversions::TextConversions(Prompter &prompter, QProgressBar *progressBar, QString specialCharacterFile, QObject *parent)
    : QObject(parent)
    , m_prompter(prompter)
    , m_progressBar(progressBar)
    , m_specialCharacterFile(std::move(specialCharacterFile))
{
}

const QList<SpecialCharacterRow> *TextConversions::specialCharacters()
{
    if (!m_specialCharacters) {
        m_specialCharacters = LoadSpecialCharacterRows(m_specialCharacterFile);
        if (!m_specialCharacters) {
            // Told each time: the file may be put back while the program runs.
            tellMissing(m_prompter, m_specialCharacterFile, QStringLiteral("%1 kan ikke finde %2."));
            return nullptr;
        }
    }
    return &*m_specialCharacters;
}

void TextConversions::convertCharacters(TLEdit &editor, Characters conversion)
{
    if (editor.IsReadOnly())
        return;
    const bool special = conversion == Characters::SpecialToReferences || conversion == Characters::ReferencesToSpecial;
    const QList<SpecialCharacterRow> *rows = special ? specialCharacters() : nullptr;
    if (special && !rows)
        return;
    const bool whole = editor.GetSelLength() == 0;
    TextRewrite rewrite(editor, whole ? TextRewrite::Keep::BookmarksAndView : TextRewrite::Keep::Bookmarks);
    BusyDisplay busy(m_progressBar);
    const ConversionProgress progress = busy.progress();
    ConvertDocumentCharacters(editor, [conversion, rows, &progress](const QString &text) {
        switch (conversion) {
        case Characters::DanishToReferences:
            return DanishToReferences(text, progress);
        case Characters::ReferencesToDanish:
            return ReferencesToDanish(text, progress);
        case Characters::SpecialToReferences:
            return SpecialToReferences(text, *rows, progress);
        case Characters::ReferencesToSpecial:
            return ReferencesToSpecial(text, *rows, progress);
        }
        return text;
    });
}

void TextConversions::convertMarkup(TLEdit &editor, bool upper, bool xhtml)
{
    if (editor.IsReadOnly())
        return;
    // The conversion keeps the view and the selection itself.
    TextRewrite rewrite(editor, TextRewrite::Keep::Bookmarks);
    BusyDisplay busy;
    ConvertDocumentMarkup(editor, upper, xhtml);
}

void TextConversions::stripMarkup(TLEdit &editor)
{
    if (editor.IsReadOnly())
        return;
    TextRewrite rewrite(editor, TextRewrite::Keep::Bookmarks);
    BusyDisplay busy;
    StripDocumentMarkup(editor);
}

void TextConversions::convertCase(TLEdit &editor, TextCaseMode mode)
{
    if (editor.IsReadOnly())
        return;
    const bool whole = editor.GetSelLength() == 0;
    TextRewrite rewrite(editor, whole ? TextRewrite::Keep::BookmarksAndView : TextRewrite::Keep::Bookmarks);
    BusyDisplay busy;
    ConvertSelectionCase(editor, mode);
}

QString TextConversions::openConversion(const QString &text) const
{
    BusyDisplay busy(m_progressBar);
    return OpenTimeConversion(text, busy.progress());
}

QString TextConversions::saveConversion(const QString &text) const
{
    BusyDisplay busy;
    return SaveTimeConversion(text);
}
