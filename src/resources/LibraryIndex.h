#pragma once

#include "resources/LibraryRecord.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

// The library files of the program folder, read once each and then answered
// from memory. Every query gives what a scan from the file's start would
// find first; a file that cannot be read has no records (and is tried again
// on the next query).
class LibraryFiles
{
public:
    inline static const QString HtmlLibrary = QStringLiteral("html4bib.dat");

    explicit LibraryFiles(QString programFolder);

    // The first record of the file at path whose Id is id (when id >= 0), or
    // whose HelpKey is helpKey (when helpKey >= 0), or, when name is not
    // empty, whose Name is name exactly. None (Id -1) when there is no such record.
    LibraryRecord FindRecord(qint32 id, qint32 helpKey, const QString &name, const QString &path);

    // "Description (Code)" of the help key's record in the program folder's file.
    QString HelpText(qint32 helpKey, const QString &fileName = HtmlLibrary);

    // Values of the HTML library's attribute record, element and attribute
    // compared ignoring case; empty when there is none.
    QString AttributeValues(const QString &element, const QString &attribute);

    // Values of the first record named name (exactly) in the program folder's
    // file, of that element (exactly) when one is given.
    QString LookupValues(const std::optional<QString> &element, const QString &name, const QString &fileName);

private:
    using ElementAndName = std::pair<QString, QString>;
    struct FileIndex
    {
        QList<LibraryRecord> records;
        // Position of the first record with each key.
        QHash<qint32, qsizetype> byId;
        QHash<qint32, qsizetype> byHelpKey;
        QHash<QString, qsizetype> byName;
        QHash<ElementAndName, qsizetype> byElementAndName;
        QHash<ElementAndName, qsizetype> byFoldedElementAndName;
    };

    const FileIndex *index(const QString &path);
    QString pathOf(const QString &fileName) const;

    QString m_programFolder;
    QHash<QString, FileIndex> m_files;
};
