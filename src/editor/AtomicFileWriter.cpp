#include "editor/AtomicFileWriter.h"

#ifdef Q_OS_UNIX
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFile>
#endif

#ifdef Q_OS_UNIX

namespace {

// As many links as the system itself follows in one name.
constexpr int MaxLinks = 40;

// The name with its symbolic links followed to what they point at (which
// need not exist yet), or nothing when they never end; errno then says so.
std::optional<QByteArray> followLinks(QByteArray path)
{
    for (int links = 0;; ++links) {
        struct stat status;
        if (::lstat(path.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
            return path;
        if (links == MaxLinks) {
            errno = ELOOP;
            return std::nullopt;
        }
        QByteArray target(qsizetype(status.st_size > 0 ? status.st_size : PATH_MAX), Qt::Uninitialized);
        const ssize_t length = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (length < 0)
            return std::nullopt;
        target.truncate(length);
        if (!target.startsWith('/')) {
            const qsizetype slash = path.lastIndexOf('/');
            target.prepend(slash < 0 ? QByteArray() : path.left(slash + 1));
        }
        path = target;
    }
}

QByteArray randomSuffix()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray suffix(".", 1);
    for (int k = 0; k < 6; ++k)
        suffix += letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))];
    return suffix;
}

} // namespace

bool AtomicFileWriter::fail(int errorNumber)
{
    if (!m_failed) {
        m_failed = true;
        m_error = {errorNumber, qt_error_string(errorNumber)};
    }
    return false;
}

AtomicFileWriter::AtomicFileWriter(const QByteArray &nativePath)
{
    const std::optional<QByteArray> target = followLinks(nativePath);
    if (!target) {
        fail(errno);
        return;
    }
    m_target = *target;
    struct stat existing;
    const bool exists = ::stat(m_target.constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        fail(EISDIR);
        return;
    }
    if (exists && ::access(m_target.constData(), W_OK) != 0) {
        fail(errno);
        return;
    }
    // A new file gets the permissions the user's umask gives; the old one's
    // are set once the new file is there.
    for (int attempt = 0; m_file < 0; ++attempt) {
        m_temporary = m_target + randomSuffix();
        m_file = ::open(m_temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (m_file < 0 && (errno != EEXIST || attempt == 100)) {
            fail(errno);
            return;
        }
    }
    if (exists)
        ::fchmod(m_file, existing.st_mode & 07777);
}

AtomicFileWriter::~AtomicFileWriter()
{
    if (m_file >= 0)
        ::close(m_file);
    if (!m_committed && !m_temporary.isEmpty())
        ::unlink(m_temporary.constData());
}

bool AtomicFileWriter::write(QByteArrayView bytes)
{
    if (m_failed)
        return false;
    const char *at = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(m_file, at, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return fail(errno);
        at += written;
        left -= written;
    }
    return true;
}

bool AtomicFileWriter::commit()
{
    if (m_failed)
        return false;
    // A full disk may show only when the data reaches it; a file system
    // that cannot sync says so with EINVAL, which is no failure of the file.
    if (::fsync(m_file) != 0 && errno != EINVAL)
        return fail(errno);
    const int file = m_file;
    m_file = -1;
    if (::close(file) != 0)
        return fail(errno);
    if (::rename(m_temporary.constData(), m_target.constData()) != 0)
        return fail(errno);
    m_committed = true;
    return true;
}

#else

AtomicFileWriter::AtomicFileWriter(const QByteArray &nativePath)
    : m_file(QFile::decodeName(nativePath))
{
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        failQt();
}

AtomicFileWriter::~AtomicFileWriter() = default;

bool AtomicFileWriter::failQt()
{
    if (!m_failed) {
        m_failed = true;
        m_error = {0, m_file.errorString()};
    }
    return false;
}

bool AtomicFileWriter::write(QByteArrayView bytes)
{
    if (m_failed)
        return false;
    return m_file.write(bytes.data(), bytes.size()) == bytes.size() || failQt();
}

bool AtomicFileWriter::commit()
{
    return !m_failed && (m_file.commit() || failQt());
}

#endif
