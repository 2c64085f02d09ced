#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

// The columns a remote listing can be sorted by.
enum class ListingColumn { Name, Size, Type, Date };

// What the order of a remote listing looks at in one entry.
struct ListingSortFacts
{
    QString name;
    bool folder = false;
    qint64 size = 0;
    QString type;
    QDateTime date; // invalid when the server gave none
};

// A strict order of listing entries: folders always before files, then the
// column's key in the given direction, equal keys by the names compared
// without regard to case in that direction, and last by the exact names.
// It never lets two different entries compare equal, so sorting a listing
// gives one and the same result whatever order it started from.
bool listingLess(const ListingSortFacts &a, const ListingSortFacts &b, ListingColumn column, Qt::SortOrder order);
