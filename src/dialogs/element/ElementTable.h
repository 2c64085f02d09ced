#pragma once

#include <QString>
#include <QStringList>

// What rewrites an element that the user edits at the caret.
enum class ElementEditor {
    ElementDialog, // the element dialog, on the entry's kind
    FontDialog,
    FramesDialog,
    TableDialog,
    FormDialog,
    ScriptEditor,
    StylesheetEditor,
    MetaDialog,
    ResourceFiles, // the external resource files command
    ImageMapEditor,
    EnclosingMap, // an area is edited through the map around it
    None,
};

// One editable element: its lower-case name, the attributes that fill value
// slots 1, 2, ... in this order, and what edits it.
struct ElementTableEntry
{
    QString name;
    QStringList attributes;
    ElementEditor editor = ElementEditor::None;
    int kind = 0; // the element dialog's kind, with ElementDialog
};

// The elements that can be edited at the caret, by index 1 to 38; index 39
// stands for any other name.
namespace ElementTable {
constexpr int First = 1;
constexpr int Last = 38;
constexpr int NotInTable = 39;

// The entry of an index; NotInTable and anything out of range give an entry
// with an empty name that nothing edits.
const ElementTableEntry &entry(int index);
// Elements with content up to an end tag, which is edited together with them.
bool isPaired(int index);
} // namespace ElementTable

// The table index of an element's text: its name runs from the second
// character up to the first blank, "/" or ">" before the text's last
// character, compared in lower case. An end tag has an empty name and, like
// any name not in the table, gives ElementTable::NotInTable.
int ElementIndexOf(const QString &elementText);

// The element name of a start tag's text, lower case.
QString elementNameOf(const QString &elementText);
