#include "publish/FtpTypes.h"

namespace {
// 100-nanosecond units between 1601-01-01 and 1970-01-01.
constexpr qint64 UnixEpochInFileTime = 116444736000000000LL;
} // namespace

QDateTime TFindData::lastWrite() const
{
    if (lastWriteTime == 0)
        return {};
    const qint64 msecs = (qint64(lastWriteTime) - UnixEpochInFileTime) / 10000;
    return QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC);
}

quint64 TFindData::fileTimeFrom(const QDateTime &utc)
{
    if (!utc.isValid())
        return 0;
    return quint64(utc.toMSecsSinceEpoch() * 10000 + UnixEpochInFileTime);
}
