#include "files/FileTexts.h"

#include "core/DanishLocale.h"
#include "editor/FileByteStream.h"

#include <QFileInfo>
#include <QLocale>

#include <limits>

namespace {

constexpr qint64 KiB = 1024;
constexpr qint64 MiB = 1048576;
constexpr qint64 GiB = 1073741824;

} // namespace

QString FormatSize(qint64 bytes, bool withBytes)
{
    const QLocale locale = danishLocale();
    QString text;
    if (bytes > GiB)
        text = locale.toString(double(bytes) / GiB, 'f', 1) + QStringLiteral(" GB");
    else if (bytes <= MiB)
        text = locale.toString(double(bytes) / KiB, 'f', 1) + QStringLiteral(" KB");
    else
        text = locale.toString(double(bytes) / MiB, 'f', 1) + QStringLiteral(" MB");
    if (withBytes)
        text += QStringLiteral(" (") + locale.toString(bytes) + QStringLiteral(" bytes)");
    return text;
}

qint64 ParseSize(const QString &text)
{
    const QString decimalPoint = danishLocale().decimalPoint();
    const qsizetype separator = text.indexOf(decimalPoint);
    constexpr qint64 limit = std::numeric_limits<qint64>::max() / 10;
    qint64 value = 0;
    int decimals = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < u'0' || c > u'9')
            continue;
        if (value < limit) // absurdly long digit runs saturate
            value = value * 10 + (c.unicode() - u'0');
        if (separator >= 0 && i > separator)
            ++decimals;
    }
    qint64 unit = 1;
    if (text.contains(QLatin1String("GB")))
        unit = GiB;
    else if (text.contains(QLatin1String("MB")))
        unit = MiB;
    else if (text.contains(QLatin1String("KB")))
        unit = KiB;
    value = value > std::numeric_limits<qint64>::max() / unit ? std::numeric_limits<qint64>::max() : value * unit;
    for (int k = 0; k < decimals; ++k)
        value = value / 10 + 5;
    return value;
}

QString FileDateText(const QString &path)
{
    // A file that cannot be opened has no date to show; the check does not
    // wait on a pipe that nobody writes to.
    if (!FileByteStream(path).isOpen())
        return QString();
    return danishLocale().toString(QFileInfo(path).lastModified(), QLocale::ShortFormat);
}
