#include "files/FileClasses.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace FileClasses {

MaskList::MaskList(const QString &masks)
{
    static const QRegularExpression separators(QStringLiteral("[;,]"));
    for (const QString &mask : masks.split(separators, Qt::SkipEmptyParts)) {
        const QString pattern = mask.trimmed();
        if (!pattern.isEmpty()) {
            m_patterns.append(QRegularExpression(QRegularExpression::wildcardToRegularExpression(pattern),
                                                 QRegularExpression::CaseInsensitiveOption));
        }
    }
}

bool MaskList::matches(const QString &fileName) const
{
    const QString name = QFileInfo(fileName).fileName();
    for (const QRegularExpression &wildcard : m_patterns) {
        if (wildcard.match(name).hasMatch())
            return true;
    }
    return false;
}

bool MatchesMaskList(const QString &fileName, const QString &masks)
{
    return MaskList(masks).matches(fileName);
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
    return MatchesMaskList(path, ImageMasks);
}

bool isSoundFile(const QString &path)
{
    return MatchesMaskList(path, SoundMasks);
}

} // namespace FileClasses
