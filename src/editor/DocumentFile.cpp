#include "editor/DocumentFile.h"

#include "editor/AtomicFileWriter.h"
#include "editor/FileByteStream.h"
#include "editor/Windows1252.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

const QByteArray Utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// How much of a Windows-1252 page is converted at a time when it goes to the editor.
constexpr qsizetype WindowsPiece = 1 << 20;

// How much of a file is read and decoded at a time into its text.
constexpr qsizetype ReadPiece = 1 << 20;

// Reads until `capacity` bytes are in or the file has ended: how many, -1
// when reading fails.
qsizetype readUpTo(FileByteStream &file, char *into, qsizetype capacity)
{
    qsizetype filled = 0;
    while (filled < capacity) {
        const qsizetype got = file.read(into + filled, capacity - filled);
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        filled += got;
    }
    return filled;
}

// How many bytes at the end begin a UTF-8 character that is not complete,
// so that the bytes before them end between characters.
qsizetype incompleteTail(QByteArrayView bytes)
{
    for (qsizetype back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const quint8 byte = quint8(bytes[bytes.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue;
        const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

// A decoder of whole characters that keeps a U+FEFF in the text: the byte
// order mark of a file is taken off before its bytes are decoded.
QStringDecoder textDecoder()
{
    return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
}

enum class Decoding { Done, NotUtf8, Failed };

// The file's text as UTF-8, appended to `text` a piece at a time, each piece
// ending between characters; a byte order mark at the start is left out and told.
Decoding readUtf8(FileByteStream &file, QString &text, bool &byteOrderMark)
{
    QStringDecoder decoder = textDecoder();
    QByteArray buffer(ReadPiece, Qt::Uninitialized);
    qsizetype carried = 0; // the start of a character the previous piece cut
    for (bool first = true;; first = false) {
        const qsizetype got = readUpTo(file, buffer.data() + carried, buffer.size() - carried);
        if (got < 0)
            return Decoding::Failed;
        const bool atEnd = carried + got < buffer.size();
        QByteArrayView bytes(buffer.constData(), carried + got);
        if (first) {
            byteOrderMark = bytes.startsWith(Utf8Bom);
            if (byteOrderMark)
                bytes = bytes.sliced(Utf8Bom.size());
        }
        const QByteArrayView whole = atEnd ? bytes : bytes.chopped(incompleteTail(bytes));
        if (!whole.isValidUtf8())
            return Decoding::NotUtf8;
        text += decoder.decode(whole);
        carried = bytes.size() - whole.size();
        std::memmove(buffer.data(), whole.data() + whole.size(), size_t(carried));
        if (atEnd)
            return Decoding::Done;
    }
}

// The file's text as Windows-1252, appended to `text` a piece at a time.
bool readWindows1252(FileByteStream &file, QString &text)
{
    QStringDecoder decoder = textDecoder();
    QByteArray buffer(ReadPiece, Qt::Uninitialized);
    for (;;) {
        const qsizetype got = readUpTo(file, buffer.data(), buffer.size());
        if (got < 0)
            return false;
        text += decoder.decode(Windows1252::toUtf8(QByteArrayView(buffer.constData(), got)));
        if (got < buffer.size())
            return true;
    }
}

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

bool writeFileAtomically(const QString &path, const QByteArray &bytes, FileWriteError *error)
{
    AtomicFileWriter file(QFile::encodeName(path));
    if (file.write(bytes) && file.commit())
        return true;
    if (error)
        *error = file.error();
    return false;
}

bool readDocumentBytes(const QString &path, QByteArray &bytes)
{
    FileByteStream file(path);
    return file.isOpen() && readToEnd(file.reader(), bytes, file.statedSize());
}

std::optional<DocumentFile> readDocumentFile(const QString &path)
{
    return readDocumentFile(QFile::encodeName(path));
}

std::optional<DocumentFile> readDocumentFile(const QByteArray &nativePath)
{
    // The text is decoded as the file is read, so that a large page never
    // has its bytes and its text in memory at once; a file that proves to be
    // no UTF-8 is read again as Windows-1252. The encoding is the one
    // detectFileEncoding finds in the bytes.
    DocumentFile document;
    {
        FileByteStream file(nativePath);
        if (!file.isOpen())
            return std::nullopt;
        // No text takes more UTF-16 units than its file has bytes.
        document.text.reserve(file.statedSize());
        bool byteOrderMark = false;
        switch (readUtf8(file, document.text, byteOrderMark)) {
        case Decoding::Done:
            document.encoding = byteOrderMark ? FileEncoding::Utf8WithBom : FileEncoding::Utf8;
            return document;
        case Decoding::Failed:
            return std::nullopt;
        case Decoding::NotUtf8:
            break;
        }
    }
    FileByteStream file(nativePath);
    document.text.resize(0);
    if (!file.isOpen() || !readWindows1252(file, document.text))
        return std::nullopt;
    document.encoding = FileEncoding::Windows1252;
    return document;
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
