#pragma once

#include "editor/SearchOptions.h"
#include "editor/TextPosition.h"

#include <QString>

#include <functional>
#include <optional>

// The text, selection and search operations of an editor, as one interface.
// The on-screen editor and the in-memory text buffer both implement it, so the
// text engine runs the same with and without a window.
//
// Lines count from 1 and columns from 0, in characters. Positions outside the
// text are clamped to it. Every operation that would change the text does
// nothing while the text is read-only, except SetText, which replaces the
// whole text as loading a file does.
class EditableText
{
public:
    virtual ~EditableText() = default;

    // Whole text
    virtual int GetTextLength() const = 0; // characters, line breaks included
    virtual QString GetText() const = 0;
    virtual void SetText(const QString &text) = 0;
    void ClearAll();

    // Selection
    virtual SelectionRecord GetSelection() const = 0;
    // Clamps both ends to the text, moves the caret and scrolls it into view.
    virtual void SetSelection(const SelectionRecord &selection) = 0;
    int GetSelLength() const;
    QString GetSelText() const;
    // Puts the text in place of the selection (or at the caret); the caret
    // ends after it. Line breaks become the document's own.
    void ReplaceSelection(const QString &text);
    void DeleteSelection();
    void SelectAll();

    // Lines
    virtual int GetLineCount() const = 0;
    // The line's characters without its line break; empty outside the text.
    virtual QString GetLine(int line) const = 0;
    virtual int GetLineLength(int line) const = 0;
    // Inserts the text as a whole new line after the given one (0: before the
    // first line). False when the line does not exist or the text is read-only.
    bool InsertLine(int after, const QString &text);
    // Removes the line with its line break.
    bool DeleteLine(int line);

    // Brackets a change made of several edits, so it is undone as one.
    void beginEdit() { beginChange(); }
    void endEdit() { endChange(); }

    // A stretch of text found by a search.
    struct Match
    {
        TextPos start;
        TextPos end;
    };
    // The first occurrence at or after `from`, ignoring case, not by whole
    // words; the selection and the search state stay as they are.
    std::optional<Match> findFrom(const QString &what, TextPos from) const;
    // The last occurrence ending at or before `before`, ignoring case.
    std::optional<Match> findBackFrom(const QString &what, TextPos before) const;

    // The first line shown, for callers that put back the view after work on
    // the text; an editor without a window has none to keep.
    virtual int firstShownLine() const { return 1; }
    virtual void setFirstShownLine(int) { }

    // The text between the first `open` and the next `close` after it, both
    // found without regard to case; nothing when either is missing.
    std::optional<QString> firstTextBetween(const QString &open, const QString &close) const;

    // The document's line break, used for every break the program inserts.
    virtual QString lineBreak() const = 0;

    // Modified flag and read-only state
    virtual bool IsModified() const = 0;
    virtual void ClearModified() = 0;
    virtual bool IsReadOnly() const = 0;
    virtual void SetReadOnly(bool readOnly) = 0;

    // Words
    bool CurrentWordAsText() const { return m_wordsAsText; }
    void SetCurrentWordAsText(bool on) { m_wordsAsText = on; }
    // The word that the caret is in or touches.
    std::optional<WordPlace> GetWordAtCaret() const;
    // A scan over the text word by word from the start.
    void BeginWordScan();
    // The next word found continues on the next line.
    void SkipScanLine();
    std::optional<WordPlace> NextScanWord();

    // Search state
    void SetFindText(const QString &text) { m_findText = SearchOptions::fitText(text); }
    void SetReplaceText(const QString &text) { m_replaceText = SearchOptions::fitText(text); }
    QString GetFindText() const { return m_findText; }
    QString GetReplaceText() const { return m_replaceText; }
    int GetSearchFlags() const { return m_searchFlags; }
    void SetSearchFlags(int flags) { m_searchFlags = flags; }

    // Searches once from the selection in the set direction (forward from its
    // end, backward from its start; the whole-text direction goes forward and
    // wraps to the start once). A match becomes the selection.
    bool Find();
    // As Find, starting from the given selection; on a match the record holds
    // the match's ends, which also become the selection.
    bool FindInRange(SelectionRecord &range);
    // As the find dialog: Find, telling OnNotifyFound (count 0) when nothing is found.
    void FindNext();
    // Replaces the selection when it is a match, then finds the next one.
    void Replace();
    // Replaces every match in the whole text as one step; tells the count.
    int ReplaceAllMatches();

    // Raised when a search found nothing (count 0) or a replace-all ended.
    void setNotifyFoundHandler(std::function<void(int count)> handler) { m_notifyFound = std::move(handler); }

    // The text between two places (clamped to the text).
    virtual QString textBetween(TextPos from, TextPos to) const = 0;

protected:
    // Replaces the text between two clamped positions; selects nothing and
    // leaves the caret after the new text.
    virtual void replaceRange(TextPos from, TextPos to, const QString &text) = 0;
    // The first match starting at or after `from` (forward), or the last one
    // ending at or before it (backward).
    virtual std::optional<Match> findText(const QString &what, TextPos from, bool forward,
                                          const SearchOptions &options) const = 0;
    // Brackets a change made of several edits, so it is undone as one.
    virtual void beginChange() { }
    virtual void endChange() { }
    // Replaces every match, from the start of the text, with the replacement
    // as one change, and answers their number. Matches are those of the text
    // as it was: a replacement is never searched again.
    virtual int replaceEvery(const QString &what, const QString &replacement, const SearchOptions &options);

    TextPos endOfText() const;
    TextPos clamp(TextPos place) const;
    void notifyFound(int count);

private:
    std::optional<Match> search(TextPos from, const SearchOptions &options) const;
    QString findTextAsStored() const;
    bool selectionIsMatch(const SearchOptions &options) const;

    QString m_findText;
    QString m_replaceText;
    int m_searchFlags = 0;
    bool m_wordsAsText = false;
    TextPos m_scan;
    std::function<void(int)> m_notifyFound;
};
