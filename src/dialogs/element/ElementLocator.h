#pragma once

#include "dialogs/element/ElementTable.h"
#include "editor/TextPosition.h"

#include <optional>

class EditableText;

// An element found around the caret.
struct LocatedElement
{
    TextPos start; // its "<"
    TextPos end; // after its ">", or after the end tag of a paired element
    QString tag; // the start tag, "<" to ">"
    QString content; // a paired element's content up to its end tag
    int index = ElementTable::NotInTable;
};

// The element the caret is in: from the last "<" before the caret to the
// first ">" after that. A paired element that is not self-closed runs on to
// its end tag, unless another start tag of the same name comes first (then
// its end tag is missing and it is the start tag alone). A list runs to its
// end tag, items and all, when it has one. Nothing when there is no "<"
// before the caret or no ">" after it, when a quote in the tag is not
// closed, or for a list that holds another list. Only the text around the
// element is read.
std::optional<LocatedElement> locateElementAt(const EditableText &text, TextPos caret);

// The start of the last map start tag before an element's "<".
std::optional<TextPos> enclosingMapStart(const EditableText &text, TextPos elementStart);

// Just after the "<" and the name of the first start tag of the element that
// does not stand inside a top-level script section.
std::optional<TextPos> firstStartTagOutsideScripts(const EditableText &text, const QString &name);
