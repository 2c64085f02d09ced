#pragma once

#include <QString>

// The figures of the progress window for a running transfer, as texts ready
// to show. Counts are 64-bit: files over 2 GB and long runs show true figures.
class ProgressFigures
{
public:
    // timeSeparator: between hours, minutes and seconds (the locale's).
    explicit ProgressFigures(QString timeSeparator = localeTimeSeparator());

    // Forgets the totals, as showing the window does.
    void reset();
    // A file begins: its path, size, direction and number (from 1) of count.
    void startFile(const QString &path, qint64 size, bool sending, int number, int count);
    // Bytes of the current file done so far, after this many whole seconds.
    void progress(qint64 bytes, qint64 seconds);
    // The current file is done: its bytes and seconds join the totals.
    void finishFile();

    // "Sender NAME (SIZE bytes)" or "Modtager ...", the name without folder.
    QString caption() const;
    // "NUMBER af COUNT".
    QString numberLine() const;
    // 0 to 100; 0 for an empty file.
    int barPercent() const;
    QString fileBytes() const;
    QString fileTime() const;
    // Empty until some bytes have gone.
    QString fileTimeLeft() const;
    QString allBytes() const;
    QString allTime() const;
    QString rate() const;

    // "%d bytes".
    static QString bytesText(qint64 bytes);
    // Hours, minutes and seconds, two digits each at least.
    static QString durationText(qint64 seconds, const QString &separator);
    // "%d.%d KB/sek." from about 1 KB a second, else "%d bytes/sek." from
    // about 100 bytes a second, else " - - " (also before a whole second).
    static QString rateText(qint64 bytes, qint64 seconds);
    // The separator of the system locale's short time format.
    static QString localeTimeSeparator();

private:
    QString m_separator;
    QString m_fileName;
    qint64 m_size = 0;
    bool m_sending = true;
    int m_number = 0;
    int m_count = 0;
    qint64 m_bytes = 0; // of the current file
    qint64 m_seconds = 0;
    qint64 m_finishedBytes = 0;
    qint64 m_finishedSeconds = 0;
};
