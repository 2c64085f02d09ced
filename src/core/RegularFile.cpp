#include "core/RegularFile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<OpenedRegularFile> openRegularFile(const QByteArray &nativePath)
{
    const int descriptor = ::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return std::nullopt;
    struct stat status;
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return std::nullopt;
    }
    return OpenedRegularFile{descriptor, qint64(status.st_size)};
}

std::optional<QByteArray> readRegularFile(const QString &path)
{
    const std::optional<OpenedRegularFile> opened = openRegularFile(QFile::encodeName(path));
    if (!opened)
        return std::nullopt;
    QFile file;
    if (!file.open(opened->descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(opened->descriptor);
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}
