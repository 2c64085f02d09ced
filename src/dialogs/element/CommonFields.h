#pragma once

#include "dialogs/element/ElementEdit.h"

// What the common panel adds to an element after the panel's own
// attributes: class, id and style, the event grid and, when an element is
// edited, the text of it that no field took.
struct CommonFields
{
    CommonText text;
    EventRows events;
    QString remainder;

    // The fields as the common panel starts: from the edited element, or
    // empty with the element's events for a new one.
    static CommonFields fromEdit(const ElementEdit &edit, const QStringList &elementEvents);

    QString markup() const;
};

// The style field in the stylesheet editor: a rule of the element's name
// around the current style.
QString styleEditorText(const QString &element, const QString &style);
// The style field from the edited rule: the declarations between its braces
// (all of the text when it has none), on one line.
QString styleFromEditorText(const QString &text);
