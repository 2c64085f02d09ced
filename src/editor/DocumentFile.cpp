#include "editor/DocumentFile.h"

#include "editor/FileByteStream.h"
#include "editor/Windows1252.h"

#include <QSaveFile>

#include <algorithm>
#include <utility>

namespace {

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// How much of a Windows-1252 page is converted at a time when it goes to the editor.
constexpr qsizetype WindowsPiece = 1 << 20;

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
    case FileEncoding::Windows1252:
        bytes = Windows1252::toUtf8(bytes);
        break;
    }
    return bytes;
}

void decodeInPieces(QByteArrayView bytes, FileEncoding encoding, const std::function<void(QByteArrayView)> &piece)
{
    switch (encoding) {
    case FileEncoding::Utf8:
        piece(bytes);
        break;
    case FileEncoding::Utf8WithBom:
        piece(bytes.sliced(Utf8Bom.size()));
        break;
    case FileEncoding::Windows1252:
        // A byte is a character, so the bytes can be cut anywhere.
        for (qsizetype at = 0; at < bytes.size(); at += WindowsPiece)
            piece(Windows1252::toUtf8(bytes.sliced(at, std::min(WindowsPiece, bytes.size() - at))));
        break;
    }
}

qsizetype decodedSize(QByteArrayView bytes, FileEncoding encoding)
{
    switch (encoding) {
    case FileEncoding::Utf8:
        return bytes.size();
    case FileEncoding::Utf8WithBom:
        return bytes.size() - Utf8Bom.size();
    case FileEncoding::Windows1252:
        return Windows1252::utf8Size(bytes);
    }
    return bytes.size();
}

QByteArray encodedFromUtf8(QByteArray utf8, FileEncoding &encoding)
{
    switch (encoding) {
    case FileEncoding::Utf8:
        break;
    case FileEncoding::Utf8WithBom:
        utf8.prepend(Utf8Bom);
        break;
    case FileEncoding::Windows1252:
        if (std::optional<QByteArray> encoded = Windows1252::fromUtf8(utf8))
            utf8 = std::move(*encoded);
        else
            encoding = FileEncoding::Utf8;
        break;
    }
    return utf8;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool readDocumentBytes(const QString &path, QByteArray &bytes)
{
    FileByteStream file(path);
    return file.isOpen() && readToEnd(file.reader(), bytes, file.statedSize());
}

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

QString lineBreakOf(QByteArrayView bytes)
{
    const qsizetype lf = bytes.indexOf('\n');
    const qsizetype cr = bytes.indexOf('\r');
    if (cr >= 0 && (lf < 0 || cr < lf))
        return cr + 1 < bytes.size() && bytes.at(cr + 1) == '\n' ? QStringLiteral("\r\n") : QStringLiteral("\r");
    if (lf >= 0)
        return QStringLiteral("\n");
#ifdef Q_OS_WIN
    return QStringLiteral("\r\n");
#else
    return QStringLiteral("\n");
#endif
}
