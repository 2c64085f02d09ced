#pragma once

#include "editor/EditorBookmarks.h"
#include "editor/TextPosition.h"

class TLEdit;

// Brackets a command that rewrites much or all of an editor's text. The
// rewrite is one undo step, and the bookmarks, which the editor drops with
// the lines they were on, come back to the same line numbers. A rewrite of
// the whole text also puts back the first line shown and the selection, so the
// user stays where they were; a rewrite of the selection leaves the caret
// after its result.
class TextRewrite
{
public:
    enum class Keep { Bookmarks, BookmarksAndView };

    TextRewrite(TLEdit &editor, Keep keep);
    ~TextRewrite();
    TextRewrite(const TextRewrite &) = delete;
    TextRewrite &operator=(const TextRewrite &) = delete;

private:
    TLEdit &m_editor;
    Keep m_keep;
    EditorBookmarks::Lines m_bookmarks;
    int m_firstShownLine;
    SelectionRecord m_selection;
};
