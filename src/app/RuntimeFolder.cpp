#include "app/RuntimeFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace RuntimeFolder {

namespace {

// What lies at the path itself (a link is not followed), when it is this user's.
bool ownStatus(const QString &path, struct stat &status)
{
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && status.st_uid == ::geteuid();
}

bool closedToOthers(const struct stat &status)
{
    return (status.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

bool isPrivateFolder(const QString &path)
{
    struct stat status;
    return ownStatus(path, status) && S_ISDIR(status.st_mode) && closedToOthers(status);
}

} // namespace

bool isOwnSocket(const QString &path)
{
    struct stat status;
    return ownStatus(path, status) && S_ISSOCK(status.st_mode);
}

QString fallback()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/pagewick");
}

QString path()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && isPrivateFolder(runtime))
        return QDir::cleanPath(runtime);

    const QString folder = fallback();
    if (!QDir().mkpath(QFileInfo(folder).absolutePath()))
        return {};
    const QByteArray name = QFile::encodeName(folder);
    ::mkdir(name.constData(), S_IRWXU); // fails when the folder is there already
    struct stat status;
    if (!ownStatus(folder, status) || !S_ISDIR(status.st_mode))
        return {};
    // This user's own folder, opened to others by some other hand, is closed again.
    if (!closedToOthers(status) && ::chmod(name.constData(), S_IRWXU) != 0)
        return {};
    return folder;
}

} // namespace RuntimeFolder
