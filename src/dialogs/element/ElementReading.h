#pragma once

#include "dialogs/element/ElementEdit.h"

#include <optional>

// An element that the element dialog's own panels rewrite: its attribute
// list (filling slots 1, 2, ... in this order) and the panel that edits it.
struct DialogElement
{
    QString name;
    QStringList attributes;
    int kind = 0;
};

// The element's entry by its lower-case name; nothing for an element these
// panels do not edit.
const DialogElement *dialogElement(const QString &name);

// The element name of a start tag's text, lower case: from its second
// character up to the first blank, "/" or ">" before its last character.
QString elementNameOf(const QString &elementText);

// Takes a start tag apart for editing: the listed attributes into their
// slots, class, id and style, the events the element takes (`events`), and
// what is left as the remainder when unknown text is kept (`keepUnknown`).
ElementEdit readElement(QString elementText, const QStringList &attributes, const QStringList &events, bool keepUnknown);

// The same for an element of these panels, with the slots its panel reads
// prepared; `content` is the text of a title. Nothing for any other element.
std::optional<ElementEdit> readDialogElement(const QString &elementText, const QString &content, const QStringList &events,
                                             bool keepUnknown);
