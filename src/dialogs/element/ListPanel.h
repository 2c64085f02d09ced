#pragma once

#include "dialogs/element/CommonFields.h"

// The list panel: bullets or numbers, the type item and the items.
struct ListValues
{
    enum class Kind { Bullets, Numbers };

    Kind kind = Kind::Bullets;
    // The selected item of "Typ&e:" ("Runde", "Firkantede" or "1, 2, 3...",
    // "I, II, III...", "i, ii, iii...", "A, B, C...", "a, b, c..."); -1: none.
    int type = -1;
    QStringList items;

    // The kind and type of an edited ul or ol; the items come from its text.
    static ListValues fromEdit(const ElementEdit &edit);

    // Makes the selected text (or, when editing, the whole list) the items:
    // the text of each li element, or else of each line. A text that starts
    // with an ol start tag makes the list numbered.
    void takeItems(const QString &text);
};

QString buildList(const ListValues &values, const CommonFields &common);

// Where an edited list ends in the document's text, its start tag standing
// at `start`: just after its end tag. A list that holds another list cannot
// be split into items and is refused.
struct ListExtent
{
    enum class Result { EndTag, NoEndTag, NestedList };
    Result result = Result::NoEndTag;
    qsizetype end = -1;
};
ListExtent findListExtent(const QString &text, qsizetype start);
