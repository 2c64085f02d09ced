#pragma once

#include <QStringList>

// The lists built from the libraries while they load, read by completion, the
// HTML check, the dialogs and the stylesheet editor. The main window owns one.
struct LibraryLists
{
    QStringList ElementNames; // element names in file order
    QStringList ElementAttributes; // per element: its attribute codes joined by ", "
    QStringList TagCheckElements; // elements whose start and end tags the HTML check counts
    QStringList EventGroups; // "kind=name, name, ..." in order of first appearance
    QStringList EventMap; // "kind=element,element,...": elements taking that kind's events
    QStringList GlobalAttributeMap; // "attribute=element,...": elements NOT taking that attribute
    QStringList StyleProperties; // "property=Danish name", sorted ignoring case
    QStringList ScriptKeywords; // in file order

    // Before the HTML library loads again (a changed "Kodetjek"): the lists
    // that the reload would otherwise double.
    void clearElementLists()
    {
        ElementNames.clear();
        TagCheckElements.clear();
        ElementAttributes.clear();
    }
};
