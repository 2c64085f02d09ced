#pragma once

#include "files/ListedFileFacts.h"

#include <QString>

// What the properties window tells about any file, as texts; a date not
// known is "-".
struct GeneralFacts
{
    QString fileName;
    QString typeName;
    QString folder; // ends with "/"
    QString size; // with the byte count
    QString created = QStringLiteral("-");
    QString modified = QStringLiteral("-");
    QString lastOpened = QStringLiteral("-");
};

// The facts of a file on disk: its name, the type the desktop names it by,
// its folder, its size and its modification date.
GeneralFacts FileGeneralFacts(const QString &path);

// The facts a file list shows about its entry, dates included.
GeneralFacts ListedGeneralFacts(const ListedFileFacts &facts);

// The name of the file's type, such as "HTML-dokument"; by its contents when
// its name does not tell.
QString FileTypeName(const QString &path);
