#pragma once

#include "dialogs/element/ElementEdit.h"
#include "dialogs/element/ElementTable.h"

// A start tag taken apart for editing: the listed attributes into value
// slots 1, 2, ..., class, id and style, the events the element takes, and
// what is left of the tag.
struct ElementReading
{
    ElementEdit edit;
    // The tag's text that no slot took, with its leading blank; it becomes
    // the edit's remainder only when unknown text is kept.
    QString rest;

    // Whether a flag attribute such as "noshade" stands in what is left.
    bool hasFlag(const QString &name) const;
};

ElementReading readElement(QString elementText, const QStringList &attributes, const QStringList &events, bool keepUnknown);

// Takes an element of the table apart and prepares the slots its editor
// reads (percent markers, flags, the list kind); `content` is what a paired
// element holds up to its end tag, for slot 7.
ElementReading prepareElementEdit(int index, const QString &elementText, const QString &content, const QStringList &events,
                                  bool keepUnknown);

// The element dialog kind that rewrites a prepared element of the dialog:
// a link to a mail address opens the e-mail panel.
int dialogKindFor(int index, const ElementEdit &edit);
