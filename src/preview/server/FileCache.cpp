#include "preview/server/FileCache.h"

#include "core/RegularFile.h"

#include <QFileInfo>

std::optional<QByteArray> FileCache::read(const QString &path)
{
    const QFileInfo file(path);
    const QDateTime modified = file.lastModified();
    const auto cached = m_entries.constFind(path);
    if (cached != m_entries.cend() && cached->modified == modified && cached->size == file.size())
        return cached->bytes;
    std::optional<QByteArray> bytes = readRegularFile(path);
    if (cached != m_entries.cend()) {
        m_bytes -= cached->bytes.size();
        m_entries.erase(cached);
    }
    if (!bytes || bytes->size() > LargestCachedFile)
        return bytes;
    if (m_bytes + bytes->size() > Limit) {
        m_entries.clear();
        m_bytes = 0;
    }
    m_entries.insert(path, {modified, bytes->size(), *bytes});
    m_bytes += bytes->size();
    return bytes;
}
