#pragma once

class TLEdit;

// Puts the caret at the text under a point of the editor's text area (the
// nearest place: past a line's end or below the text still on the text) and
// focuses the editor.
void CaretToPoint(TLEdit &editor, int x, int y);

// A double-click's word: it runs to the next blank or markup character, so
// that a whole address or value is selected.
void selectWordAtCaret(TLEdit &editor);
