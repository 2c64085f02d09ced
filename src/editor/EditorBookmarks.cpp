#include "editor/EditorBookmarks.h"

#include "editor/TLEdit.h"

namespace EditorBookmarks {

namespace {

constexpr int EmptyLine = 1;
constexpr int LongestEntryText = 60;

int slotHolding(const TLEdit &editor, int line)
{
    if (line < 2)
        return 0;
    for (int slot = 1; slot <= Count; ++slot) {
        if (editor.GetBookmark(slot) == line)
            return slot;
    }
    return 0;
}

void empty(TLEdit &editor, int slot)
{
    editor.SetBookmark(slot, EmptyLine);
    editor.ClearBookmarkMark(slot);
}

} // namespace

QColor colour(int slot)
{
    static const QColor colours[Count] = {QColor(255, 255, 0), QColor(0, 255, 255), QColor(255, 0, 255), QColor(0, 255, 0),
                                          QColor(255, 182, 108)};
    return colours[std::clamp(slot, 1, Count) - 1];
}

void prepare(TLEdit &editor)
{
    for (int slot = 1; slot <= Count; ++slot)
        editor.SetBookmarkColor(slot, colour(slot));
}

Lines lines(const TLEdit &editor)
{
    Lines result{};
    for (int slot = 1; slot <= Count; ++slot)
        result[slot - 1] = editor.GetBookmark(slot);
    return result;
}

void restore(TLEdit &editor, const Lines &lines)
{
    for (int slot = 1; slot <= Count; ++slot) {
        if (lines[slot - 1] >= 2)
            editor.SetBookmark(slot, lines[slot - 1]);
        else
            empty(editor, slot);
    }
}

bool isSet(const TLEdit &editor, int slot)
{
    return editor.GetBookmark(slot) >= 2;
}

void toggle(TLEdit &editor, int slot, int line)
{
    if (const int holding = slotHolding(editor, line))
        empty(editor, holding);
    else if (line >= 2)
        editor.SetBookmark(slot, line);
}

void toggleFromGutter(TLEdit &editor, int line)
{
    if (const int holding = slotHolding(editor, line)) {
        empty(editor, holding);
        return;
    }
    if (line < 2)
        return;
    int slot = 1;
    while (slot < Count && isSet(editor, slot))
        ++slot;
    editor.SetBookmark(slot, line);
}

bool goTo(TLEdit &editor, int slot)
{
    const int line = editor.GetBookmark(slot);
    if (line < 2)
        return false;
    editor.SetSelection(SelectionRecord::at({line, 0}));
    return true;
}

int firstSet(const TLEdit &editor)
{
    for (int slot = 1; slot <= Count; ++slot) {
        if (isSet(editor, slot))
            return slot;
    }
    return 0;
}

QString entryText(int slot, bool set, const QString &lineText)
{
    if (!set)
        return QString::number(slot);
    const QString shown = lineText.size() > LongestEntryText ? lineText.left(LongestEntryText) + QStringLiteral("...") : lineText;
    return QStringLiteral("%1: %2").arg(slot).arg(shown);
}

} // namespace EditorBookmarks
