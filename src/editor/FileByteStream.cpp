#include "editor/FileByteStream.h"

#include "core/RegularFile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

bool readToEnd(const ReadBytes &read, QByteArray &bytes, qsizetype expectedSize)
{
    // One byte more than expected, so that an end where it was expected is
    // seen without growing; memory too small is given up rather than grown,
    // as its bytes are not wanted, and larger memory is filled as far as it goes.
    if (bytes.capacity() < expectedSize + 1)
        bytes = QByteArray();
    bytes.resize(std::max(expectedSize + 1, bytes.capacity()));
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size())
            bytes.resize(std::max<qsizetype>(2 * bytes.size(), 1 << 16));
        const qsizetype got = read(bytes.data() + filled, bytes.size() - filled);
        if (got < 0)
            return false;
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return true;
}

FileByteStream::FileByteStream(const QString &path)
    : FileByteStream(QFile::encodeName(path))
{
}

#ifdef Q_OS_UNIX
FileByteStream::FileByteStream(const QByteArray &nativePath)
{
    // Opened without waiting: a pipe with no writer would never answer.
    if (const std::optional<OpenedRegularFile> opened = openRegularFile(nativePath)) {
        m_file = opened->descriptor;
        m_statedSize = qsizetype(opened->size);
    }
}

FileByteStream::~FileByteStream()
{
    if (m_file >= 0)
        ::close(m_file);
}

bool FileByteStream::isOpen() const
{
    return m_file >= 0;
}

qsizetype FileByteStream::read(char *into, qsizetype capacity)
{
    if (m_atEnd)
        return 0;
    ssize_t got;
    do
        got = ::read(m_file, into, size_t(capacity));
    while (got < 0 && errno == EINTR);
    if (got < 0)
        return -1;
    m_position += got;
    // A read that stops short where the file ended when it was opened has
    // found the end: no further call is spent on hearing so.
    m_atEnd = got == 0 || (got < capacity && m_position == m_statedSize);
    return got;
}
#else
FileByteStream::FileByteStream(const QByteArray &nativePath)
    : m_file(QFile::decodeName(nativePath))
{
    const QFileInfo info(m_file.fileName());
    if (info.isFile() && m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        m_statedSize = info.size();
}

FileByteStream::~FileByteStream() = default;

bool FileByteStream::isOpen() const
{
    return m_file.isOpen();
}

qsizetype FileByteStream::read(char *into, qsizetype capacity)
{
    if (m_atEnd)
        return 0;
    const qint64 got = m_file.read(into, capacity);
    if (got < 0)
        return -1;
    m_position += got;
    m_atEnd = got == 0 || (got < capacity && m_position == m_statedSize);
    return qsizetype(got);
}
#endif
