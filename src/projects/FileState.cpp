#include "projects/FileState.h"

#include "core/RegularFile.h"

#include <QCryptographicHash>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

namespace {

// Large reads keep the system calls few; one buffer per thread, as files are
// hashed on every core at once.
constexpr qsizetype ReadBufferSize = 1 << 20;

char *readBuffer()
{
    thread_local const std::unique_ptr<char[]> buffer(new char[ReadBufferSize]);
    return buffer.get();
}

} // namespace

std::optional<FileState> readFileState(const QString &path)
{
    struct stat facts;
    if (::stat(QFile::encodeName(path).constData(), &facts) != 0 || !S_ISREG(facts.st_mode))
        return std::nullopt;
    return FileState{qint64(facts.st_size), qint64(facts.st_mtim.tv_sec) * 1'000'000'000 + facts.st_mtim.tv_nsec};
}

QByteArray fileSha256(const QString &path)
{
    const std::optional<OpenedRegularFile> file = openRegularFile(QFile::encodeName(path));
    if (!file)
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    char *buffer = readBuffer();
    bool failed = false;
    for (;;) {
        const ssize_t count = ::read(file->descriptor, buffer, ReadBufferSize);
        if (count > 0) {
            hash.addData(QByteArrayView(buffer, count));
        } else if (count == 0) {
            break;
        } else if (errno != EINTR) {
            failed = true;
            break;
        }
    }
    ::close(file->descriptor);
    return failed ? QByteArray() : hash.result();
}
