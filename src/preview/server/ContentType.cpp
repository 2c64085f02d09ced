#include "preview/server/ContentType.h"

#include <QMimeDatabase>

QByteArray contentTypeOf(const QString &filePath)
{
    const QMimeType type = QMimeDatabase().mimeTypeForFile(filePath, QMimeDatabase::MatchExtension);
    if (type.isDefault())
        return QByteArrayLiteral("application/octet-stream");
    return type.name().toLatin1();
}

bool isWebPage(const QByteArray &contentType)
{
    return contentType.startsWith("text/html") || contentType.startsWith("application/xhtml+xml");
}
