#pragma once

#include <QDateTime>
#include <QString>

// What the file list already knows about one of its entries, handed to the
// properties window so that it shows the same facts as the list's columns.
struct ListedFileFacts
{
    QString name;
    QString folder; // ends with "/"
    QString typeName;
    qint64 size = 0; // bytes
    QDateTime created;
    QDateTime modified;
    QDateTime lastAccess;
};
