#include "app/TextRewrite.h"

#include "editor/TLEdit.h"

TextRewrite::TextRewrite(TLEdit &editor, Keep keep)
    : m_editor(editor)
    , m_keep(keep)
    , m_firstShownLine(editor.firstShownLine())
    , m_selection(editor.GetSelection())
{
    for (int slot = 0; slot < editor.BookmarksMax(); ++slot)
        m_bookmarkLines.append(editor.GetBookmark(slot));
    m_editor.beginEdit();
}

TextRewrite::~TextRewrite()
{
    m_editor.endEdit();
    for (int slot = 0; slot < m_bookmarkLines.size(); ++slot)
        m_editor.SetBookmark(slot, m_bookmarkLines[slot]);
    if (m_keep == Keep::BookmarksAndView) {
        m_editor.SetSelection(m_selection);
        m_editor.setFirstShownLine(m_firstShownLine);
    }
}
