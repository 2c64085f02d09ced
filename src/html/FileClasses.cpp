#include "html/FileClasses.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace FileClasses {

bool MatchesMaskList(const QString &fileName, const QString &masks)
{
    const QString name = QFileInfo(fileName).fileName();
    static const QRegularExpression separators(QStringLiteral("[;,]"));
    for (const QString &mask : masks.split(separators, Qt::SkipEmptyParts)) {
        const QString pattern = mask.trimmed();
        if (pattern.isEmpty())
            continue;
        const QRegularExpression wildcard(QRegularExpression::wildcardToRegularExpression(pattern),
                                          QRegularExpression::CaseInsensitiveOption);
        if (wildcard.match(name).hasMatch())
            return true;
    }
    return false;
}

namespace {

bool hasExtension(const QString &path, QLatin1String extension)
{
    return QFileInfo(path).suffix().compare(extension, Qt::CaseInsensitive) == 0;
}

} // namespace

bool isHtmlFile(const QString &path, const QString &htmlFilter)
{
    return MatchesMaskList(path, htmlFilter);
}

bool isStylesheet(const QString &path)
{
    return hasExtension(path, QLatin1String("css"));
}

bool isScriptFile(const QString &path, const QString &scriptFilter)
{
    return MatchesMaskList(path, scriptFilter);
}

bool isTextFile(const QString &path)
{
    return hasExtension(path, QLatin1String("txt"));
}

bool isTemplate(const QString &path)
{
    return hasExtension(path, QLatin1String("pws"));
}

bool isImageFile(const QString &path)
{
    return MatchesMaskList(path, QStringLiteral("*.gif;*.jpg;*.jpeg;*.png"));
}

bool isSoundFile(const QString &path)
{
    return MatchesMaskList(path, QStringLiteral("*.wav;*.au;*.mid"));
}

} // namespace FileClasses
