#include "publish/ListingParser.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace ListingParser {
namespace {

bool usableName(const QString &name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') && !name.contains(QChar(0));
}

QList<QByteArray> lines(const QByteArray &text)
{
    QList<QByteArray> result;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            result.append(line);
    }
    return result;
}

// The number written by `count` ASCII digits from `from`; -1 when one is not.
int digitsAt(QStringView text, qsizetype from, qsizetype count)
{
    if (from + count > text.size())
        return -1;
    int value = 0;
    for (const QChar c : text.mid(from, count)) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// "20240131235959" or with a fraction, UTC. Read field by field: a parse in
// local time would cost a look at the time zone for every entry, and would
// shift or lose times that fall in a daylight-saving gap there.
QDateTime machineTime(const QString &value)
{
    const int year = digitsAt(value, 0, 4);
    const QDate date(year, digitsAt(value, 4, 2), digitsAt(value, 6, 2));
    const QTime time(digitsAt(value, 8, 2), digitsAt(value, 10, 2), digitsAt(value, 12, 2));
    if (year < 0 || !date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, Qt::UTC);
}

int monthNumber(const QString &name)
{
    static const QStringList months = {QStringLiteral("jan"), QStringLiteral("feb"), QStringLiteral("mar"),
                                       QStringLiteral("apr"), QStringLiteral("may"), QStringLiteral("jun"),
                                       QStringLiteral("jul"), QStringLiteral("aug"), QStringLiteral("sep"),
                                       QStringLiteral("oct"), QStringLiteral("nov"), QStringLiteral("dec")};
    return int(months.indexOf(name.toLower())) + 1;
}

bool parseUnixLine(const QString &line, const QDateTime &now, TFindData &entry)
{
    // Permissions, links, owner, group, size, month, day, year or time, name.
    static const QRegularExpression pattern(QStringLiteral(
        R"(^([-dlbcps])[-rwxsStTl]{9}\S*\s+\d+\s+(?:\S+\s+){1,2}?(\d+)\s+([A-Za-z]{3})\s+(\d{1,2})\s+(\d{4}|\d{1,2}:\d{2})\s(.*)$)"));
    const QRegularExpressionMatch m = pattern.match(line);
    if (!m.hasMatch())
        return false;
    QString name = m.captured(6);
    const QChar kind = m.captured(1).at(0);
    if (kind == u'l') {
        const qsizetype arrow = name.indexOf(QStringLiteral(" -> "));
        if (arrow >= 0)
            name.truncate(arrow);
    }
    const int month = monthNumber(m.captured(3));
    const int day = m.captured(4).toInt();
    const QString yearOrTime = m.captured(5);
    QDateTime time;
    if (month > 0) {
        if (yearOrTime.contains(u':')) {
            const QTime clock = QTime::fromString(yearOrTime.rightJustified(5, u'0'), QStringLiteral("HH:mm"));
            int year = now.date().year();
            time = QDateTime(QDate(year, month, day), clock, Qt::UTC);
            if (time > now.addDays(1))
                time = QDateTime(QDate(year - 1, month, day), clock, Qt::UTC);
        } else {
            time = QDateTime(QDate(yearOrTime.toInt(), month, day), QTime(0, 0), Qt::UTC);
        }
    }
    entry.name = name;
    entry.attributes = kind == u'd' ? TFindData::DirectoryAttribute : TFindData::NormalAttribute;
    entry.setSize(m.captured(2).toLongLong());
    entry.lastWriteTime = TFindData::fileTimeFrom(time);
    return true;
}

bool parseDosLine(const QString &line, TFindData &entry)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(\d{2})-(\d{2})-(\d{2,4})\s+(\d{1,2}):(\d{2})([AaPp][Mm])?\s+(<DIR>|\d+)\s+(.*)$)"));
    const QRegularExpressionMatch m = pattern.match(line);
    if (!m.hasMatch())
        return false;
    int year = m.captured(3).toInt();
    if (m.captured(3).size() == 2)
        year += year < 70 ? 2000 : 1900;
    int hour = m.captured(4).toInt();
    const QString half = m.captured(6).toLower();
    if (half == u"pm" && hour < 12)
        hour += 12;
    if (half == u"am" && hour == 12)
        hour = 0;
    const QDateTime time(QDate(year, m.captured(1).toInt(), m.captured(2).toInt()), QTime(hour, m.captured(5).toInt()), Qt::UTC);
    entry.name = m.captured(8);
    const bool folder = m.captured(7) == u"<DIR>";
    entry.attributes = folder ? TFindData::DirectoryAttribute : TFindData::NormalAttribute;
    entry.setSize(folder ? 0 : m.captured(7).toLongLong());
    entry.lastWriteTime = TFindData::fileTimeFrom(time);
    return true;
}

} // namespace

// A line that is no entry continues the name of the entry before it: that
// name held a line break, so the entry is dropped with it, and the rest of
// the name is not taken for an entry of its own.
QList<TFindData> parseMachineListing(const QByteArray &text)
{
    QList<TFindData> result;
    bool lastWasEntry = false;
    for (const QByteArray &raw : lines(text)) {
        const QString line = QString::fromUtf8(raw);
        const qsizetype space = line.indexOf(u' ');
        TFindData entry;
        entry.name = line.mid(space + 1);
        bool typed = false;
        bool skip = false;
        entry.attributes = TFindData::NormalAttribute;
        for (const QString &fact : line.left(std::max<qsizetype>(space, 0)).split(u';', Qt::SkipEmptyParts)) {
            const qsizetype eq = fact.indexOf(u'=');
            const QString key = fact.left(eq).toLower();
            const QString value = fact.mid(eq + 1);
            if (key == u"type") {
                typed = true;
                const QString type = value.toLower();
                if (type == u"cdir" || type == u"pdir")
                    skip = true;
                else if (type == u"dir")
                    entry.attributes = TFindData::DirectoryAttribute;
            } else if (key == u"size" || key == u"sizd") {
                // A negative size is a broken fact, not a file.
                entry.setSize(std::max(value.toLongLong(), qint64(0)));
            } else if (key == u"modify") {
                entry.lastWriteTime = TFindData::fileTimeFrom(machineTime(value));
            } else if (key == u"create") {
                entry.creationTime = TFindData::fileTimeFrom(machineTime(value));
            }
        }
        // Every server names an entry's type; a line without one is the
        // rest of a name.
        if (space < 0 || !typed) {
            if (lastWasEntry)
                result.removeLast();
            lastWasEntry = false;
            continue;
        }
        lastWasEntry = !skip && usableName(entry.name);
        if (lastWasEntry)
            result.append(entry);
    }
    return result;
}

QList<TFindData> parseLongListing(const QByteArray &text, const QDateTime &now)
{
    QList<TFindData> result;
    bool lastWasEntry = false;
    for (const QByteArray &raw : lines(text)) {
        const QString line = QString::fromUtf8(raw);
        TFindData entry;
        if (!parseUnixLine(line, now, entry) && !parseDosLine(line, entry)) {
            if (lastWasEntry)
                result.removeLast();
            lastWasEntry = false;
            continue;
        }
        lastWasEntry = usableName(entry.name);
        if (lastWasEntry)
            result.append(entry);
    }
    return result;
}

} // namespace ListingParser
