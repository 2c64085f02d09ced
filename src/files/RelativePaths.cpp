#include "files/RelativePaths.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString withSlashes(QString path)
{
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

// Length of the part of a folder that cannot be climbed out of: "C:/" or "/".
qsizetype rootLength(const QString &folder)
{
    if (folder.size() >= 3 && folder.at(0).isLetter() && folder.at(1) == QLatin1Char(':') && folder.at(2) == QLatin1Char('/'))
        return 3;
    return folder.startsWith(QLatin1Char('/')) ? 1 : 0;
}

void climb(QString &folder, qsizetype levels)
{
    const qsizetype root = rootLength(folder);
    for (; levels > 0 && folder.size() > root; --levels) {
        const qsizetype slash = folder.lastIndexOf(QLatin1Char('/'), folder.size() - 2);
        folder.truncate(qMax(slash + 1, root));
    }
}

} // namespace

QString RelativePath(const QString &baseFile, const QString &targetFile, bool slashes)
{
    const QString target = withSlashes(targetFile);
    const QString relative = baseFile.isEmpty() ? QFileInfo(target).fileName()
                                                : QDir(QFileInfo(withSlashes(baseFile)).absolutePath()).relativeFilePath(target);
    return slashes ? relative : QDir::toNativeSeparators(relative);
}

QString ResolvePath(const QString &folder, const QString &relative)
{
    QString base = withSlashes(folder);
    if (!base.isEmpty() && !base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    QString rest = withSlashes(relative);
    for (;;) {
        qsizetype dots = 0;
        while (dots < rest.size() && rest.at(dots) == QLatin1Char('.'))
            ++dots;
        if (dots == 0 || dots >= rest.size() || rest.at(dots) != QLatin1Char('/'))
            break;
        climb(base, dots - 1);
        rest.remove(0, dots + 1);
    }
    return base + rest;
}
