#include "search/FileText.h"

#include <QFileInfo>

FileText decodeFileText(const QByteArray &bytes)
{
    FileText file;
    file.encoding = detectFileEncoding(bytes);
    switch (file.encoding) {
    case FileEncoding::Utf8:
        file.text = QString::fromUtf8(bytes);
        break;
    case FileEncoding::Utf8WithBom:
        file.text = QString::fromUtf8(QByteArrayView(bytes).sliced(3));
        break;
    case FileEncoding::Windows1252:
        file.text = QString::fromUtf8(decodedAsUtf8(bytes, file.encoding));
        break;
    }
    return file;
}

QString unreadableReason(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("Filen findes ikke.");
    if (!info.isFile())
        return QStringLiteral("Det er ikke en fil.");
    return QStringLiteral("Filen kan ikke læses.");
}
