#include "publish/ListingTexts.h"

#include "core/DanishLocale.h"

namespace ListingTexts {

QString sizeText(qint64 bytes)
{
    return danishLocale().toString(bytes);
}

QString dateText(const QDateTime &time)
{
    if (!time.isValid())
        return QString();
    const QLocale locale = danishLocale();
    const QDateTime local = time.toLocalTime();
    return locale.toString(local.date(), QLocale::ShortFormat) + QLatin1Char(' ')
        + locale.toString(local.time(), QStringLiteral("HH.mm.ss"));
}

QStringList folderLevels(const QString &remoteFolder)
{
    return remoteFolder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

QString levelPath(const QStringList &levels, int count)
{
    return QLatin1Char('/') + levels.mid(0, count).join(QLatin1Char('/'));
}

QString childPath(const QString &currentFolder, const QString &name)
{
    if (currentFolder.endsWith(QLatin1Char('/')))
        return currentFolder + name;
    return currentFolder + QLatin1Char('/') + name;
}

} // namespace ListingTexts
