#pragma once

#include "dialogs/element/CommonFields.h"
#include "dialogs/element/InternetShortcuts.h"

class EditableText;

// The link panel's fields. An address left at "http://" is no address.
struct LinkValues
{
    static inline const QString AddressStart = QStringLiteral("http://");

    QString address = AddressStart;
    QString target; // "&Destinationsramme:"
    QString name; // "Na&vn:"
    QString description; // "&Beskrivelse:", the link text

    // Slot 1 the address, 2 the target, 3 the name and the content the description.
    static LinkValues fromEdit(const ElementEdit &edit);
};

// The a element. Each further favourite follows on a line of its own, as a
// link with the same target, common fields and events, ended by a line break
// element (`suffix` is what elements without an end tag end with).
QString buildLink(const LinkValues &values, const CommonFields &common, const QList<InternetShortcut> &furtherFavourites,
                  const QString &suffix);

// The items of the target box: the stored last target, then the names of the
// frames given, each put first unless the box has it already.
QStringList linkTargetItems(const QString &lastTarget, const QStringList &frameNames);

// The name of every frame element in the text, in text order.
QStringList frameNames(const EditableText &text);
