#pragma once

#include "dialogs/element/CommonFields.h"

// The e-mail panel's fields. Subject and body are kept as the user reads
// them; in the address they are percent-encoded.
struct EmailLink
{
    QString address; // "&E-mail-adresse:"
    QString subject; // "&Titel på e-mail:"
    QString body; // "Te&kst i e-mail:"
    QString description; // "&Beskrivelse:", the link text
    // Query fields other than subject and body ("cc=..."), as written, joined by "&".
    QString otherFields;

    friend bool operator==(const EmailLink &, const EmailLink &) = default;

    // Slot 1 the address (a "mailto:" link), the content the description.
    static EmailLink fromEdit(const ElementEdit &edit);
};

// The fields of a "mailto:" address: the query after the first "?" is split
// at "&"; the keys "subject" and "body" are found in any order and case.
// The description is left empty.
EmailLink parseMailto(const QString &href);

// The "mailto:" address of the fields.
QString mailtoAddress(const EmailLink &link);

// The a element of an e-mail link.
QString buildEmailLink(const EmailLink &link, const CommonFields &common);

// Subject and body in an address: "%", "&", "?", "#", the double quote and
// blanks become "%XX"; decoding turns every "%XX" back.
QString encodeMailtoField(const QString &text);
QString decodeMailtoField(const QString &text);
