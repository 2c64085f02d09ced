#include "files/FileTransfer.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

constexpr qint64 ChunkSize = 1 << 20;

std::filesystem::path nativePath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}

// A dangling link is still an entry that a new file would clash with.
bool entryExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

bool isRealFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink();
}

bool sameEntry(const QString &a, const QString &b)
{
    std::error_code error;
    return std::filesystem::equivalent(nativePath(a), nativePath(b), error) && !error;
}

bool removeEntry(const QString &path)
{
    std::error_code error;
    std::filesystem::remove_all(nativePath(path), error);
    return !error;
}

// Both files read to the end with the same bytes.
bool sameContents(QFile &a, QFile &b, QByteArray &left, QByteArray &right)
{
    while (true) {
        const qint64 leftSize = a.read(left.data(), ChunkSize);
        const qint64 rightSize = b.read(right.data(), ChunkSize);
        if (leftSize < 0 || leftSize != rightSize || memcmp(left.constData(), right.constData(), size_t(leftSize)) != 0)
            return false;
        if (leftSize == 0)
            return true;
    }
}

} // namespace

FileTransfer::FileTransfer(ClashQuestion askClash, ConversionProgress progress, qint64 totalBytes)
    : m_askClash(std::move(askClash))
    , m_progress(std::move(progress))
    , m_totalBytes(totalBytes)
{
}

qint64 FileTransfer::bytesIn(const QStringList &paths)
{
    qint64 bytes = 0;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isSymLink())
            continue;
        if (info.isFile())
            bytes += info.size();
        if (!info.isDir())
            continue;
        QDirIterator it(path, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            bytes += it.fileInfo().size();
        }
    }
    return bytes;
}

FileTransfer::Result FileTransfer::copy(const QString &source, const QString &target)
{
    Result result;
    copyEntry(source, target, result);
    return result;
}

FileTransfer::Result FileTransfer::move(const QString &source, const QString &target)
{
    Result result;
    moveEntry(source, target, result);
    return result;
}

void FileTransfer::advance(qint64 bytes)
{
    m_doneBytes += bytes;
    if (!m_progress || m_totalBytes <= 0)
        return;
    const int percent = int(qMin<qint64>(100, m_doneBytes * 100 / m_totalBytes));
    if (percent != m_lastPercent) {
        m_lastPercent = percent;
        m_progress(percent);
    }
}

// An entry stands at the target: the same entry stays as it is, a folder is
// never replaced by a file or the other way round, and a file only when the
// user says so. Nothing when the transfer goes on.
std::optional<FileTransfer::Outcome> FileTransfer::settleClash(const QString &source, const QString &target, Result &result)
{
    if (sameEntry(source, target))
        return Outcome::Skipped;
    if (isRealFolder(source) || isRealFolder(target)) {
        result.failed = true;
        return Outcome::Failed;
    }
    const ClashAnswer answer = m_askClash(target);
    if (answer == ClashAnswer::Stop)
        m_stopped = true;
    if (answer != ClashAnswer::Replace)
        return Outcome::Skipped;
    return std::nullopt;
}

FileTransfer::Outcome FileTransfer::copyEntry(const QString &source, const QString &target, Result &result)
{
    if (!entryExists(source)) {
        result.failed = true;
        return Outcome::Failed;
    }
    if (isRealFolder(source))
        return copyFolder(source, target, result);
    if (entryExists(target)) {
        if (const std::optional<Outcome> settled = settleClash(source, target, result))
            return *settled;
    }
    if (!copyLinkOrFile(source, target)) {
        result.failed = true;
        return Outcome::Failed;
    }
    result.transferred = true;
    return Outcome::Done;
}

FileTransfer::Outcome FileTransfer::copyFolder(const QString &source, const QString &target, Result &result)
{
    if (entryExists(target) && !isRealFolder(target)) {
        result.failed = true;
        return Outcome::Failed;
    }
    if (!entryExists(target)) {
        if (!QDir().mkdir(target)) {
            result.failed = true;
            return Outcome::Failed;
        }
        QFile::setPermissions(target, QFileInfo(source).permissions());
        result.transferred = true;
    }
    Outcome all = Outcome::Done;
    const QDir folder(source);
    const QStringList names = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &name : names) {
        if (m_stopped)
            return Outcome::Skipped;
        const Outcome outcome = copyEntry(folder.filePath(name), QDir(target).filePath(name), result);
        if (outcome == Outcome::Failed)
            all = Outcome::Failed;
        else if (outcome == Outcome::Skipped && all == Outcome::Done)
            all = Outcome::Skipped;
    }
    return all;
}

FileTransfer::Outcome FileTransfer::moveEntry(const QString &source, const QString &target, Result &result)
{
    if (!entryExists(source)) {
        result.failed = true;
        return Outcome::Failed;
    }
    if (entryExists(target)) {
        if (isRealFolder(source) && isRealFolder(target)) {
            if (sameEntry(source, target))
                return Outcome::Skipped;
            Outcome all = Outcome::Done;
            const QDir folder(source);
            const QStringList names = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                                       QDir::Name);
            for (const QString &name : names) {
                if (m_stopped)
                    return Outcome::Skipped;
                const Outcome outcome = moveEntry(folder.filePath(name), QDir(target).filePath(name), result);
                if (outcome == Outcome::Failed)
                    all = Outcome::Failed;
                else if (outcome == Outcome::Skipped && all == Outcome::Done)
                    all = Outcome::Skipped;
            }
            // The emptied folder goes; one still holding skipped entries stays.
            if (all == Outcome::Done && !QDir().rmdir(source)) {
                result.failed = true;
                return Outcome::Failed;
            }
            return all;
        }
        if (const std::optional<Outcome> settled = settleClash(source, target, result))
            return *settled;
    }
    std::error_code error;
    std::filesystem::rename(nativePath(source), nativePath(target), error);
    if (!error) {
        advance(bytesIn({target}));
        result.transferred = true;
        return Outcome::Done;
    }
    if (error == std::errc::cross_device_link)
        return copyAcross(source, target, result);
    result.failed = true;
    return Outcome::Failed;
}

// A move to another file system: copy, compare, and only then delete the source.
FileTransfer::Outcome FileTransfer::copyAcross(const QString &source, const QString &target, Result &result)
{
    bool copied = false;
    if (isRealFolder(source)) {
        Result copy;
        copied = copyFolder(source, target, copy) == Outcome::Done;
        if (!copied)
            removeEntry(target); // the folder was new: leave no half copy behind
    } else {
        copied = copyLinkOrFile(source, target);
    }
    if (!copied) {
        result.failed = true;
        return Outcome::Failed;
    }
    result.transferred = true;
    if (!removeEntry(source)) {
        result.failed = true;
        return Outcome::Failed;
    }
    return Outcome::Done;
}

// A link is copied as a link, never followed; a file is copied and compared.
bool FileTransfer::copyLinkOrFile(const QString &source, const QString &target)
{
    if (!QFileInfo(source).isSymLink())
        return copyFileVerified(source, target);
    std::error_code error;
    if (!entryExists(target) || removeEntry(target))
        std::filesystem::copy_symlink(nativePath(source), nativePath(target), error);
    return !error && entryExists(target);
}

bool FileTransfer::copyFileVerified(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    // Beside the target under a short name, which the longest target name leaves room for.
    QTemporaryFile out(QFileInfo(target).absoluteDir().filePath(QStringLiteral(".pagewick-XXXXXX")));
    if (!out.open())
        return false;
    // The buffers live as long as the transfer: a fresh large buffer per
    // file or chunk costs more in page faults than the reading.
    if (m_buffer.isEmpty()) {
        m_buffer = QByteArray(ChunkSize, Qt::Uninitialized);
        m_checkBuffer = QByteArray(ChunkSize, Qt::Uninitialized);
    }
    qint64 size = 0;
    while ((size = in.read(m_buffer.data(), ChunkSize)) > 0) {
        if (out.write(m_buffer.constData(), size) != size)
            return false;
        advance(size);
    }
    if (size < 0 || !out.flush())
        return false;
    QFile check(out.fileName());
    if (!in.seek(0) || !check.open(QIODevice::ReadOnly) || !sameContents(in, check, m_buffer, m_checkBuffer))
        return false;
    const QFileInfo original(source);
    out.setFileTime(original.lastModified(), QFileDevice::FileModificationTime);
    out.setPermissions(original.permissions());
    out.close();
    std::error_code error;
    std::filesystem::rename(nativePath(out.fileName()), nativePath(target), error);
    if (error)
        return false;
    out.setAutoRemove(false);
    return true;
}
