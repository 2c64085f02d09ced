#pragma once

#include "dialogs/element/CommonFields.h"
#include "editor/DocumentFile.h"

// The BODY element's part of the page panel. Each colour is written when it
// has a text: a new page has all five, an edited body only those it had
// and those changed.
struct BodyValues
{
    QString backgroundFile; // "&Baggrundsfil:"
    bool includeColours = false; // "&Medtag farver:"
    QString background = QStringLiteral("#FFFFFF");
    QString text = QStringLiteral("#000000");
    QString link = QStringLiteral("#0000FF");
    QString visitedLink = QStringLiteral("#660066");
    QString activeLink = QStringLiteral("#FF0000");

    static BodyValues fromEdit(const ElementEdit &edit);
};

// The body start tag, alone when an existing body is edited.
QString buildBody(const BodyValues &values, const CommonFields &common);

// A new page's skeleton.
struct PageValues
{
    QString version; // a line of "htmlversioner.txt"; empty: the bare doctype
    QString title;
    QString stylesheet; // relative path
    QString target; // "Standar&ddestinationsramme:"
    bool body = true; // "&<BODY>"
    BodyValues bodyValues;
};

struct PageMarkup
{
    QString text;
    qsizetype caret = 0; // where the caret goes: the first empty line of the page
};

// The skeleton declares the encoding the page will be saved in; `suffix` is
// what elements without an end tag end with.
PageMarkup buildPage(const PageValues &values, const CommonFields &common, const QString &suffix, FileEncoding encoding);
