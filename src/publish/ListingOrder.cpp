#include "publish/ListingOrder.h"

namespace {

// Negative, zero or positive as a lies before, with or after b when ascending.
int compareKeys(const ListingSortFacts &a, const ListingSortFacts &b, ListingColumn column)
{
    switch (column) {
    case ListingColumn::Name:
        return 0;
    case ListingColumn::Size:
        return a.size < b.size ? -1 : (a.size > b.size ? 1 : 0);
    case ListingColumn::Type:
        return a.type.compare(b.type, Qt::CaseInsensitive);
    case ListingColumn::Date:
        // An entry without a date comes before every dated one.
        if (a.date.isValid() != b.date.isValid())
            return a.date.isValid() ? 1 : -1;
        return a.date < b.date ? -1 : (b.date < a.date ? 1 : 0);
    }
    return 0;
}

} // namespace

bool listingLess(const ListingSortFacts &a, const ListingSortFacts &b, ListingColumn column, Qt::SortOrder order)
{
    if (a.folder != b.folder)
        return a.folder;
    int result = compareKeys(a, b, column);
    if (result == 0)
        result = a.name.compare(b.name, Qt::CaseInsensitive);
    if (result == 0)
        result = a.name.compare(b.name, Qt::CaseSensitive);
    return order == Qt::AscendingOrder ? result < 0 : result > 0;
}
