#include "app/DocumentText.h"

#include <QFile>
#include <QStringDecoder>

QString decodeDocumentBytes(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        return text;
    }
    QStringDecoder windows1252("windows-1252");
    if (windows1252.isValid())
        return windows1252.decode(bytes);
    return QString::fromLatin1(bytes);
}

std::optional<QString> readDocumentFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeDocumentBytes(file.readAll());
}
