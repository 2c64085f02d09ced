#pragma once

#include "html/DocumentReferences.h"

#include <QList>
#include <QString>

// One file a page pulls in when it is shown.
struct TransferFile
{
    QString address; // as the page (or its frame documents, re-based) writes it
    LinkIcon icon = LinkIcon::LocalFile;
    qint64 bytes = -1; // -1: no such file
};

// What a page weighs with everything it pulls in: its own text, its
// pictures, embedded objects, applets, scripts, stylesheets and frame
// documents, and those of its frame documents in turn, each address once.
struct TransferTimes
{
    qint64 documentBytes = 0;
    QList<TransferFile> files;
};

// The files of a page whose reference list is `references`. Frame documents
// are followed once each (the page itself counts as followed), so frames that
// refer to each other or to themselves end; their references are re-based to
// the page's folder.
TransferTimes ComputeTransferTimes(const QString &path, const QList<ReferenceRow> &references, const ReferenceMasks &masks);

// Sizes in tenths of a kilobyte, rounded; a missing file counts nothing.
qint64 KilobyteTenths(qint64 bytes);

// The texts of the transfer page, each followed by a blank.
struct TransferTexts
{
    QString document; // "Manuskript:"
    QString files; // "Filer:", empty when the files weigh nothing
    QString total; // "I alt:"
    QString modem144; // "14.4 modem"
    QString modem288; // "28.8 modem"
    QString isdn; // "ISDN"
};

TransferTexts TransferTimeTexts(const TransferTimes &times);
