#include "editor/TextRewrite.h"

#include "editor/TLEdit.h"

TextRewrite::TextRewrite(TLEdit &editor, Keep keep)
    : m_editor(editor)
    , m_keep(keep)
    , m_bookmarks(EditorBookmarks::lines(editor))
    , m_firstShownLine(editor.firstShownLine())
    , m_selection(editor.GetSelection())
{
    m_editor.beginEdit();
}

TextRewrite::~TextRewrite()
{
    m_editor.endEdit();
    EditorBookmarks::restore(m_editor, m_bookmarks);
    if (m_keep == Keep::BookmarksAndView) {
        m_editor.SetSelection(m_selection);
        m_editor.setFirstShownLine(m_firstShownLine);
    }
}
