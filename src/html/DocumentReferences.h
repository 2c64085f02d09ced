#pragma once

#include "html/LinkScanner.h"

#include <QList>
#include <QString>

// One row of a page's reference list, with the file it names on disk.
struct ReferenceRow
{
    LinkItem link;
    // Where the referenced file lies, resolved from the folder the reference
    // was written in; empty for a web address.
    QString file;
};

// The file masks that tell HTML pages and scripts apart.
struct ReferenceMasks
{
    QString htmlFilter;
    QString scriptFilter;
};

// The scan of the scanner's entries first to last, with these masks.
LinkScan ReferenceScan(int first, int last, const ReferenceMasks &masks);

// The reference list of a page: the "url(" references of its own text first,
// then every reference of the scanner's entries 1 to 10, duplicates included.
// Nothing for a file that cannot be read.
QList<ReferenceRow> DocumentReferences(const QString &path, const ReferenceMasks &masks);

// The scanner's entries first to last of a page, each stylesheet's "url("
// references right after the stylesheet, as ScanLinks lists them, but each
// row knowing its file.
QList<ReferenceRow> ScanReferenceRows(const QString &path, int first, int last, const ReferenceMasks &masks);

// The "url(" references of a page's own text.
QList<ReferenceRow> OwnUrlReferences(const QString &path, const ReferenceMasks &masks);
