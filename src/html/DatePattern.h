#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// Formats a moment by a date pattern in the classic desktop pattern language,
// with Danish names:
//   d dd ddd dddd   day, two-digit day, short and long day name
//   ddddd dddddd    the short and the long date
//   m mm mmm mmmm   month (minutes when straight after an hour)
//   yy yyyy         two- and four-digit year
//   h hh n nn s ss z zzz   hour, minute, second, millisecond
//   t tt c          short time, long time, short date with long time
//   am/pm a/p ampm  twelve-hour clock with its marker
//   / :             date and time separators
// Text in double or single quotes is copied as it stands; letters are read
// without regard to case; anything else is copied. Nothing when the pattern
// is empty or a quote is left open.
std::optional<QString> FormatDatePattern(const QString &pattern, const QDateTime &when);
