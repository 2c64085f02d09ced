#include "projects/FileState.h"

#include "core/RegularFile.h"

#include <QFile>

#include <openssl/evp.h>

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
    // OpenSSL's SHA-256 uses the processor's SHA instructions where there are any.
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    bool hashed = context && EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) == 1;
    char *buffer = readBuffer();
    while (hashed) {
        const ssize_t count = ::read(file->descriptor, buffer, ReadBufferSize);
        if (count == 0)
            break;
        if (count > 0)
            hashed = EVP_DigestUpdate(context.get(), buffer, size_t(count)) == 1;
        else
            hashed = errno == EINTR;
    }
    ::close(file->descriptor);
    QByteArray digest(EVP_MAX_MD_SIZE, Qt::Uninitialized);
    unsigned int length = 0;
    if (!hashed || EVP_DigestFinal_ex(context.get(), reinterpret_cast<unsigned char *>(digest.data()), &length) != 1)
        return {};
    digest.resize(length);
    return digest;
}
