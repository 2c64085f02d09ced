#include "OutputFiles.h"

#include <QDir>
#include <QSaveFile>

namespace OutputFiles {

void write(const QString &folder, const QString &name, const QByteArray &bytes, BuildProblems &problems)
{
    QSaveFile file(QDir(folder).filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        problems.add({QDir(folder).filePath(name), 0}, {}, QStringLiteral("cannot be written: %1").arg(file.errorString()));
}

QByteArray lines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + '\n';
    return bytes;
}

} // namespace OutputFiles
