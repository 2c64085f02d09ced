#include "html/FileText.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

std::optional<QString> readFileText(const QString &path)
{
    // Devices and pipes are no documents, and reading them might never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    static const QByteArray bom("\xEF\xBB\xBF");
    if (bytes.startsWith(bom))
        bytes.remove(0, bom.size());
    if (QByteArrayView(bytes).isValidUtf8())
        return QString::fromUtf8(bytes);
    QStringDecoder windows1252("windows-1252");
    return windows1252.isValid() ? QString(windows1252.decode(bytes)) : QString::fromLatin1(bytes);
}
