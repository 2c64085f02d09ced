// Any bytes as a server's folder listing, read both as machine-readable lines
// and as "ls -l"/DOS lines: no crash, the same records on a second run, and
// every record a usable entry of the folder: a name the listing holds that is
// neither empty, "." nor "..", without "/" or NUL, and a size that is not
// negative.
#include "FuzzText.h"

#include "publish/ListingParser.h"

namespace {

bool sameRecord(const TFindData &a, const TFindData &b)
{
    return a.name == b.name && a.attributes == b.attributes && a.size() == b.size() && a.lastWriteTime == b.lastWriteTime
        && a.creationTime == b.creationTime;
}

void checkEntries(const QList<TFindData> &first, const QList<TFindData> &second, const QString &listing)
{
    require(first.size() == second.size());
    for (qsizetype i = 0; i < first.size(); ++i) {
        const TFindData &entry = first[i];
        require(sameRecord(entry, second[i]));
        require(!entry.name.isEmpty() && entry.name != u"." && entry.name != u"..");
        require(!entry.name.contains(u'/') && !entry.name.contains(QChar(0)));
        require(listing.contains(entry.name));
        require(entry.size() >= 0);
        require(entry.attributes == TFindData::DirectoryAttribute || entry.attributes == TFindData::NormalAttribute);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString listing = QString::fromUtf8(text);

    checkEntries(ListingParser::parseMachineListing(text), ListingParser::parseMachineListing(text), listing);

    // A fixed "now" keeps the year of yearless times the same on every run.
    static const QDateTime now(QDate(2024, 3, 1), QTime(12, 0), Qt::UTC);
    checkEntries(ListingParser::parseLongListing(text, now), ListingParser::parseLongListing(text, now), listing);
    return 0;
}
