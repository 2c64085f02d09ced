#include "preview/server/ServedFile.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

ServedFile forbidden()
{
    return {ServedFile::Kind::Forbidden, {}};
}

// The decoded steps of the path, or nothing when one of them could name
// anything but an entry of the folder before it. Only the last step may be
// empty (a folder's "/").
std::optional<QStringList> decodedSteps(const QByteArray &encodedPath)
{
    if (!encodedPath.startsWith('/'))
        return std::nullopt;
    const QList<QByteArray> encodedSteps = encodedPath.mid(1).split('/');
    QStringList steps;
    for (qsizetype i = 0; i < encodedSteps.size(); ++i) {
        const QString step = QString::fromUtf8(QByteArray::fromPercentEncoding(encodedSteps[i]));
        const bool last = i == encodedSteps.size() - 1;
        if ((step.isEmpty() && !last) || step == u"." || step == u".." || step.contains(u'/') || step.contains(u'\\')
            || step.contains(QChar(0)))
            return std::nullopt;
        steps.append(step);
    }
    return steps;
}

bool isInside(const QString &canonicalPath, const QString &canonicalRoot)
{
    if (canonicalPath == canonicalRoot)
        return true;
    const QString prefix = canonicalRoot.endsWith(u'/') ? canonicalRoot : canonicalRoot + u'/';
    return canonicalPath.startsWith(prefix);
}

// Symbolic links are followed to where they really lead: the file itself when
// it exists, else the folder that would hold it.
bool staysInside(const QString &path, const QString &canonicalRoot)
{
    const QFileInfo file(path);
    if (file.exists() || file.isSymLink())
        return isInside(file.canonicalFilePath(), canonicalRoot);
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return folder.isEmpty() || isInside(folder, canonicalRoot);
}

} // namespace

ServedFile locateServedFile(const QString &root, const QByteArray &encodedPath)
{
    const std::optional<QStringList> steps = decodedSteps(encodedPath);
    const QString canonicalRoot = QFileInfo(root).canonicalFilePath();
    if (!steps || canonicalRoot.isEmpty())
        return forbidden();
    QString path = QDir::cleanPath(root);
    for (const QString &step : *steps) {
        if (!step.isEmpty())
            path += u'/' + step;
    }
    if (!staysInside(path, canonicalRoot))
        return forbidden();
    if (QFileInfo(path).isDir()) {
        if (!encodedPath.endsWith('/'))
            return {ServedFile::Kind::FolderWithoutSlash, path};
        path += QStringLiteral("/index.html");
        if (!staysInside(path, canonicalRoot))
            return forbidden();
    }
    return {ServedFile::Kind::File, path};
}
