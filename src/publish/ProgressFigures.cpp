#include "publish/ProgressFigures.h"

#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

ProgressFigures::ProgressFigures(QString timeSeparator)
    : m_separator(std::move(timeSeparator))
{
}

void ProgressFigures::reset()
{
    m_finishedBytes = 0;
    m_finishedSeconds = 0;
    m_bytes = 0;
    m_seconds = 0;
}

void ProgressFigures::startFile(const QString &path, qint64 size, bool sending, int number, int count)
{
    m_fileName = QFileInfo(path).fileName();
    m_size = size;
    m_sending = sending;
    m_number = number;
    m_count = count;
    m_bytes = 0;
    m_seconds = 0;
}

void ProgressFigures::progress(qint64 bytes, qint64 seconds)
{
    m_bytes = bytes;
    m_seconds = seconds;
}

void ProgressFigures::finishFile()
{
    m_finishedBytes += m_bytes;
    m_finishedSeconds += m_seconds;
    m_bytes = 0;
    m_seconds = 0;
}

QString ProgressFigures::caption() const
{
    const QString verb = m_sending ? QStringLiteral("Sender") : QStringLiteral("Modtager");
    return QStringLiteral("%1 %2 (%3 bytes)").arg(verb, m_fileName).arg(m_size);
}

QString ProgressFigures::numberLine() const
{
    return QStringLiteral("%1 af %2").arg(m_number).arg(m_count);
}

int ProgressFigures::barPercent() const
{
    if (m_size <= 0)
        return 0;
    return int(std::clamp<qint64>(m_bytes * 100 / m_size, 0, 100));
}

QString ProgressFigures::fileBytes() const
{
    return bytesText(m_bytes);
}

QString ProgressFigures::fileTime() const
{
    return durationText(m_seconds, m_separator);
}

QString ProgressFigures::fileTimeLeft() const
{
    if (m_bytes <= 0)
        return QString();
    const double total = double(m_seconds) * double(m_size) / double(m_bytes);
    return durationText(std::max<qint64>(0, qint64(total) - m_seconds), m_separator);
}

QString ProgressFigures::allBytes() const
{
    return bytesText(m_finishedBytes + m_bytes);
}

QString ProgressFigures::allTime() const
{
    return durationText(m_finishedSeconds + m_seconds, m_separator);
}

QString ProgressFigures::rate() const
{
    return rateText(m_finishedBytes + m_bytes, m_finishedSeconds + m_seconds);
}

QString ProgressFigures::bytesText(qint64 bytes)
{
    return QStringLiteral("%1 bytes").arg(bytes);
}

QString ProgressFigures::durationText(qint64 seconds, const QString &separator)
{
    const auto twoDigits = [](qint64 value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); };
    return twoDigits(seconds / 3600) + separator + twoDigits(seconds / 60 % 60) + separator + twoDigits(seconds % 60);
}

QString ProgressFigures::rateText(qint64 bytes, qint64 seconds)
{
    if (seconds <= 0)
        return QStringLiteral(" - - ");
    // Tenths of a kilobyte a second.
    const qint64 tenths = bytes * 10 / 1024 / seconds;
    if (tenths > 9)
        return QStringLiteral("%1.%2 KB/sek.").arg(tenths / 10).arg(tenths % 10);
    if (tenths >= 1)
        return QStringLiteral("%1 bytes/sek.").arg(bytes / seconds);
    return QStringLiteral(" - - ");
}

QString ProgressFigures::localeTimeSeparator()
{
    static const QRegularExpression between(QStringLiteral("[hH]+([^hHmM]+)m"));
    const QRegularExpressionMatch match = between.match(QLocale::system().timeFormat(QLocale::ShortFormat));
    return match.hasMatch() ? match.captured(1) : QStringLiteral(":");
}
