#include "documents/DocumentIo.h"

#include <QDir>
#include <QFileInfo>

#include <new>

DocumentError DocumentError::of(Kind kind, const QString &path)
{
    QString text;
    switch (kind) {
    case Kind::Missing:
        text = QStringLiteral("Filen %1 findes ikke.");
        break;
    case Kind::Folder:
        text = QStringLiteral("%1 er en mappe, ikke en fil.");
        break;
    case Kind::Unreadable:
        text = QStringLiteral("Filen %1 kan ikke læses.");
        break;
    case Kind::TooLarge:
        text = QStringLiteral("Filen %1 er for stor til at blive åbnet.");
        break;
    }
    return {kind, text.arg(QDir::toNativeSeparators(path))};
}

namespace DocumentIo {

std::variant<PageFile, DocumentError> read(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return DocumentError::of(DocumentError::Kind::Missing, path);
    if (info.isDir())
        return DocumentError::of(DocumentError::Kind::Folder, path);
    PageFile page;
    try {
        // Only a regular file is read: a pipe or a device might never end.
        if (!readDocumentBytes(path, page.bytes))
            return DocumentError::of(DocumentError::Kind::Unreadable, path);
    } catch (const std::bad_alloc &) {
        return DocumentError::of(DocumentError::Kind::TooLarge, path);
    }
    page.encoding = detectFileEncoding(page.bytes);
    page.lineBreak = lineBreakOf(page.bytes);
    page.fileTime = info.lastModified();
    return page;
}

std::optional<FileWriteError> write(const QString &path, QByteArray utf8, FileEncoding &encoding)
{
    FileWriteError error;
    if (!writeFileAtomically(path, encodedFromUtf8(std::move(utf8), encoding), &error))
        return error;
    return std::nullopt;
}

QDateTime fileTime(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() ? info.lastModified() : QDateTime();
}

} // namespace DocumentIo
