#include "html/ElementBuilders.h"

#include "files/FileClasses.h"
#include "files/RelativePaths.h"
#include "html/MarkupWriting.h"

#include <QFileInfo>

namespace ElementBuilders {

QString stylesheetLink(const QString &path, const QString &suffix)
{
    if (path.isEmpty())
        return QString();
    return QStringLiteral("<link rel=\"stylesheet\" href=\"%1\" type=\"%2\"%3>\r\n")
        .arg(path, QStringLiteral("text/css"), suffix);
}

QString scriptReference(const QString &path)
{
    if (path.isEmpty())
        return QString();
    return QStringLiteral("<script type=\"%1\" src=\"%2\"></script>\r\n").arg(QStringLiteral("text/javascript"), path);
}

QString image(const QString &path, QSize size, const QString &extra, const QString &suffix)
{
    if (path.isEmpty())
        return QString();
    const QString sizePart = size.width() != 0 || size.height() != 0
        ? QStringLiteral("width=\"%1\" height=\"%2\" ").arg(size.width()).arg(size.height())
        : QString();
    return QStringLiteral("<img src=\"%1\" border=\"0\" %2alt=\"\"%3%4>").arg(path, sizePart, extra, suffix);
}

QString sound(const QString &path, const QString &suffix)
{
    if (path.isEmpty())
        return QString();
    return QStringLiteral("<embed type=\"audio/midi\" src=\"%1\" width=\"150\" height=\"70\"%2>").arg(path, suffix);
}

} // namespace ElementBuilders

QString FileReferenceMarkup(const QString &documentPath, const QString &file, QSize pictureSize, const QString &suffix)
{
    const QString path = RelativePath(documentPath, file, true);
    if (FileClasses::isImageFile(file))
        return ElementBuilders::image(path, pictureSize, QString(), suffix);
    if (FileClasses::isSoundFile(file))
        return ElementBuilders::sound(path, suffix);
    if (FileClasses::isStylesheet(file))
        return ElementBuilders::stylesheetLink(path, suffix);
    if (QFileInfo(file).suffix().compare(QLatin1String("js"), Qt::CaseInsensitive) == 0)
        return ElementBuilders::scriptReference(path);
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(path, QFileInfo(file).fileName());
}

void InsertFileReference(EditableText &text, const QString &documentPath, const QString &file, QSize pictureSize,
                         const QString &suffix)
{
    InsertAtCaret(text, FileReferenceMarkup(documentPath, file, pictureSize, suffix));
}
