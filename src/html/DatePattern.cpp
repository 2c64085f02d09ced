#include "html/DatePattern.h"

#include <QLocale>

namespace {

const QLocale &danish()
{
    static const QLocale locale(QLocale::Danish, QLocale::Denmark);
    return locale;
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// How many times the letter repeats from `at`, ignoring case.
qsizetype runLength(const QString &pattern, qsizetype at)
{
    const QChar letter = pattern.at(at).toLower();
    qsizetype end = at;
    while (end < pattern.size() && pattern.at(end).toLower() == letter)
        ++end;
    return end - at;
}

bool startsWithAt(const QString &pattern, qsizetype at, QLatin1String what)
{
    return QStringView(pattern).mid(at).startsWith(what, Qt::CaseInsensitive);
}

bool usesTwelveHours(const QString &pattern)
{
    return pattern.contains(QLatin1String("am/pm"), Qt::CaseInsensitive)
        || pattern.contains(QLatin1String("a/p"), Qt::CaseInsensitive)
        || pattern.contains(QLatin1String("ampm"), Qt::CaseInsensitive);
}

QString dateSeparator()
{
    for (const QChar c : danish().dateFormat(QLocale::ShortFormat)) {
        if (!c.isLetter())
            return QString(c);
    }
    return QStringLiteral(".");
}

} // namespace

std::optional<QString> FormatDatePattern(const QString &pattern, const QDateTime &when)
{
    if (pattern.trimmed().isEmpty())
        return std::nullopt;
    const QDate date = when.date();
    const QTime time = when.time();
    const bool twelveHours = usesTwelveHours(pattern);
    const int hour = twelveHours ? (time.hour() % 12 == 0 ? 12 : time.hour() % 12) : time.hour();
    QString out;
    bool afterHour = false;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern.at(i);
        if (c == u'"' || c == u'\'') {
            const qsizetype close = pattern.indexOf(c, i + 1);
            if (close < 0)
                return std::nullopt;
            out += QStringView(pattern).mid(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        if (startsWithAt(pattern, i, QLatin1String("am/pm"))) {
            out += time.hour() < 12 ? QStringLiteral("am") : QStringLiteral("pm");
            i += 5;
            continue;
        }
        if (startsWithAt(pattern, i, QLatin1String("a/p"))) {
            out += time.hour() < 12 ? QStringLiteral("a") : QStringLiteral("p");
            i += 3;
            continue;
        }
        if (startsWithAt(pattern, i, QLatin1String("ampm"))) {
            out += time.hour() < 12 ? danish().amText() : danish().pmText();
            i += 4;
            continue;
        }
        const qsizetype run = runLength(pattern, i);
        bool hourToken = false;
        switch (c.toLower().unicode()) {
        case u'd':
            if (run >= 6)
                out += danish().toString(date, QLocale::LongFormat);
            else if (run == 5)
                out += danish().toString(date, QLocale::ShortFormat);
            else if (run == 4)
                out += danish().dayName(date.dayOfWeek(), QLocale::LongFormat);
            else if (run == 3)
                out += danish().dayName(date.dayOfWeek(), QLocale::ShortFormat);
            else
                out += run == 2 ? twoDigits(date.day()) : QString::number(date.day());
            i += qMin<qsizetype>(run, 6);
            break;
        case u'm': {
            const qsizetype used = qMin<qsizetype>(run, 4);
            if (afterHour && used <= 2)
                out += used == 2 ? twoDigits(time.minute()) : QString::number(time.minute());
            else if (used == 4)
                out += danish().monthName(date.month(), QLocale::LongFormat);
            else if (used == 3)
                out += danish().monthName(date.month(), QLocale::ShortFormat);
            else
                out += used == 2 ? twoDigits(date.month()) : QString::number(date.month());
            i += used;
            break;
        }
        case u'y':
            out += run >= 3 ? QString::number(date.year()) : twoDigits(date.year() % 100);
            i += qMin<qsizetype>(run, 4);
            break;
        case u'h':
            out += run >= 2 ? twoDigits(hour) : QString::number(hour);
            i += qMin<qsizetype>(run, 2);
            hourToken = true;
            break;
        case u'n':
            out += run >= 2 ? twoDigits(time.minute()) : QString::number(time.minute());
            i += qMin<qsizetype>(run, 2);
            break;
        case u's':
            out += run >= 2 ? twoDigits(time.second()) : QString::number(time.second());
            i += qMin<qsizetype>(run, 2);
            break;
        case u'z':
            out += run >= 3 ? QStringLiteral("%1").arg(time.msec(), 3, 10, QLatin1Char('0')) : QString::number(time.msec());
            i += run >= 3 ? 3 : 1;
            break;
        case u't':
            out += danish().toString(time, run >= 2 ? QLocale::LongFormat : QLocale::ShortFormat);
            i += qMin<qsizetype>(run, 2);
            break;
        case u'c':
            out += danish().toString(date, QLocale::ShortFormat) + u' ' + danish().toString(time, QLocale::LongFormat);
            i += 1;
            break;
        case u'/':
            out += dateSeparator();
            i += 1;
            break;
        default:
            out += c;
            i += 1;
            break;
        }
        // Blanks and separators between an hour and "m" keep it a minute.
        if (hourToken)
            afterHour = true;
        else if (c.isLetter())
            afterHour = false;
    }
    return out;
}
