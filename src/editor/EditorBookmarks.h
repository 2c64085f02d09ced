#pragma once

#include <QColor>
#include <QString>

#include <array>

class TLEdit;

// The five bookmarks of a document editor, in the editor's slots 1 to 5. A
// slot whose line is below 2 is empty, so the first line never holds one.
namespace EditorBookmarks {

constexpr int Count = 5;
using Lines = std::array<int, Count>; // the line of slot 1 to 5, below 2 when empty

QColor colour(int slot);
// Gives the editor's slots their colours.
void prepare(TLEdit &editor);

Lines lines(const TLEdit &editor);
// Sets every slot to the given lines, emptying the others.
void restore(TLEdit &editor, const Lines &lines);
bool isSet(const TLEdit &editor, int slot);

// The bookmark command n: a line that holds a bookmark loses it; otherwise
// slot n moves to the line.
void toggle(TLEdit &editor, int slot, int line);
// A click on the line-number gutter: a line that holds a bookmark loses it;
// otherwise the first empty slot, or slot 5 when all are in use, moves there.
void toggleFromGutter(TLEdit &editor, int line);
// Puts the caret at the start of the slot's line; false when the slot is empty.
bool goTo(TLEdit &editor, int slot);
// The lowest slot in use, or 0.
int firstSet(const TLEdit &editor);

// The drop-down entry of a slot: its number alone when empty, else the number
// and the line's text, cut to 60 characters.
QString entryText(int slot, bool set, const QString &lineText);

} // namespace EditorBookmarks
