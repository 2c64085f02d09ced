#include "publish/RemotePath.h"

#include <QStringList>

namespace RemotePath {

QString addSeparator(const QString &path, TFTPFileSystemType fileSystem)
{
    if (path.isEmpty())
        return QStringLiteral("/");
    if (path.endsWith(u'/') || fileSystem == ftUnknown)
        return path;
    return path + u'/';
}

QString removeTrailingSeparator(const QString &path)
{
    if (path.size() > 1 && (path.endsWith(u'/') || path.endsWith(u'\\')))
        return path.left(path.size() - 1);
    return path;
}

int lastSlash(const QString &path)
{
    return int(path.lastIndexOf(u'/')) + 1;
}

QString parentPath(const QString &path)
{
    QString p = path;
    if (p.size() > 1 && p.endsWith(u'/'))
        p.chop(1);
    const int slash = lastSlash(p);
    if (slash == 0)
        return {};
    if (slash == 1)
        return QStringLiteral("/");
    return p.left(slash - 1);
}

QString folderPart(const QString &path)
{
    return path.left(lastSlash(path));
}

QString namePart(const QString &path)
{
    return path.mid(lastSlash(path));
}

QString absolute(const QString &currentFolder, const QString &path)
{
    const QString joined = path.startsWith(u'/') ? path : addSeparator(currentFolder, ftUnix) + path;
    QStringList parts;
    for (const QString &segment : joined.split(u'/', Qt::SkipEmptyParts)) {
        if (segment == u".")
            continue;
        if (segment == u"..") {
            if (!parts.isEmpty())
                parts.removeLast();
            continue;
        }
        parts.append(segment);
    }
    QString result = u'/' + parts.join(u'/');
    if (path.endsWith(u'/') && result.size() > 1)
        result += u'/';
    return result;
}

} // namespace RemotePath
