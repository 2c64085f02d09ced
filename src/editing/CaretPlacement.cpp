#include "editing/CaretPlacement.h"

#include "editor/TLEdit.h"
#include "editor/TextCharacters.h"

void CaretToPoint(TLEdit &editor, int x, int y)
{
    if (const std::optional<TextPos> place = editor.PositionFromPoint(x, y, 1))
        editor.SetSelection(SelectionRecord::at(*place));
    editor.setFocus();
}

void selectWordAtCaret(TLEdit &editor)
{
    editor.SetCurrentWordAsText(true);
    const std::optional<WordPlace> word = editor.GetWordAtCaret();
    editor.SetCurrentWordAsText(false);
    if (word) {
        const int length = static_cast<int>(TextCharacters::characterCount(word->word));
        editor.SetSelection(SelectionRecord::between({word->line, word->column}, {word->line, word->column + length}));
    }
}
