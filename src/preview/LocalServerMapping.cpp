#include "preview/LocalServerMapping.h"

#include <QUrl>

namespace {

QString withSlashes(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

} // namespace

QString MapToLocalServer(const QString &path, const QString &serverFolder, const QString &serverAddress)
{
    const QString file = withSlashes(path);
    QString root = withSlashes(serverFolder);
    while (root.endsWith(QLatin1Char('/')))
        root.chop(1);
    // A root of "/" alone (chopped to nothing) is as good as none: it would map every file on the disk.
    if (root.isEmpty() || !file.startsWith(root) || file.size() <= root.size() || file.at(root.size()) != QLatin1Char('/'))
        return file;
    const QString rest = file.mid(root.size() + 1);
    QString address = serverAddress;
    if (!address.endsWith(QLatin1Char('/')))
        address += QLatin1Char('/');
    return address + QString::fromLatin1(QUrl::toPercentEncoding(rest, "/"));
}
