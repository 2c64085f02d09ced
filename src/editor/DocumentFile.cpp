#include "editor/DocumentFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

} // namespace

FileEncoding detectFileEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith(Utf8Bom) && bytes.sliced(Utf8Bom.size()).isValidUtf8())
        return FileEncoding::Utf8WithBom;
    return bytes.isValidUtf8() ? FileEncoding::Utf8 : FileEncoding::Windows1252;
}

QByteArray decodedAsUtf8(QByteArray bytes, FileEncoding encoding)
{
    switch (encoding) {
    case FileEncoding::Utf8:
        break;
    case FileEncoding::Utf8WithBom:
        bytes.remove(0, Utf8Bom.size());
        break;
    case FileEncoding::Windows1252: {
        QStringDecoder windows1252("windows-1252");
        bytes = (windows1252.isValid() ? QString(windows1252.decode(bytes)) : QString::fromLatin1(bytes)).toUtf8();
        break;
    }
    }
    return bytes;
}

QByteArray encodedFromUtf8(QByteArray utf8, FileEncoding &encoding)
{
    switch (encoding) {
    case FileEncoding::Utf8:
        break;
    case FileEncoding::Utf8WithBom:
        utf8.prepend(Utf8Bom);
        break;
    case FileEncoding::Windows1252: {
        QStringEncoder windows1252("windows-1252", QStringConverter::Flag::Stateless);
        const QString text = QString::fromUtf8(utf8);
        QByteArray encoded = windows1252.isValid() ? QByteArray(windows1252.encode(text)) : QByteArray();
        if (windows1252.isValid() && !windows1252.hasError())
            utf8 = encoded;
        else
            encoding = FileEncoding::Utf8;
        break;
    }
    }
    return utf8;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

#ifdef Q_OS_UNIX
// A check reads thousands of files, so each is read with as few system calls
// as can be: opened without waiting (a pipe with no writer would never
// answer), then turned away unless it is a regular file, and read to its end.
bool readDocumentBytes(const QString &path, QByteArray &bytes)
{
    const int file = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0)
        return false;
    struct stat status;
    bool read = ::fstat(file, &status) == 0 && S_ISREG(status.st_mode);
    qsizetype filled = 0;
    // One byte more than the file's size, so that its end is seen without growing.
    bytes.resize(read ? qsizetype(status.st_size) + 1 : 0);
    while (read) {
        if (filled == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t got = ::read(file, bytes.data() + filled, size_t(bytes.size() - filled));
        if (got > 0)
            filled += got;
        else if (got == 0)
            break;
        else if (errno != EINTR)
            read = false;
    }
    ::close(file);
    bytes.truncate(filled);
    return read;
}
#else
bool readDocumentBytes(const QString &path, QByteArray &bytes)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    // The size read first, and one byte more to see whether the file has grown since.
    bytes.resize(info.size() + 1);
    const qint64 read = file.read(bytes.data(), bytes.size());
    if (read < 0)
        return false;
    bytes.truncate(read);
    if (read == info.size() + 1)
        bytes += file.readAll();
    return file.error() == QFileDevice::NoError;
}
#endif

std::optional<DocumentFile> readDocumentFile(const QString &path)
{
    QByteArray bytes;
    if (!readDocumentBytes(path, bytes))
        return std::nullopt;
    const FileEncoding encoding = detectFileEncoding(bytes);
    return DocumentFile{QString::fromUtf8(decodedAsUtf8(bytes, encoding)), encoding};
}

bool writeDocumentFile(const QString &path, const QString &text, FileEncoding encoding)
{
    return writeFileAtomically(path, encodedFromUtf8(text.toUtf8(), encoding));
}
