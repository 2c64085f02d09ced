#pragma once

#include "editor/FileWriteError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

// How a document file's bytes become text and go back to the file, shared by
// the editor and the command-line tool so both read and write files alike.

// UTF-8 (with or without a byte order mark) when the bytes are valid UTF-8,
// else Windows-1252. A file is written back in the encoding it was read in.
enum class FileEncoding { Utf8, Utf8WithBom, Windows1252 };

FileEncoding detectFileEncoding(QByteArrayView bytes);

// The file's bytes as UTF-8: the byte order mark dropped, Windows-1252 converted.
QByteArray decodedAsUtf8(QByteArray bytes, FileEncoding encoding);

// The same a piece at a time, for a large page that should not be held
// twice, and the size of all the pieces.
void decodeInPieces(QByteArrayView bytes, FileEncoding encoding, const std::function<void(QByteArrayView)> &piece);
qsizetype decodedSize(QByteArrayView bytes, FileEncoding encoding);

// UTF-8 text as the bytes of a file in the encoding. Text that Windows-1252
// cannot hold is kept by writing UTF-8, and the encoding then says so.
QByteArray encodedFromUtf8(QByteArray utf8, FileEncoding &encoding);

// Writes beside the file and renames the copy over it, so a failed write
// leaves the old file whole; an existing file keeps its permissions (see
// AtomicFileWriter). On failure `error`, when given, says why.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, FileWriteError *error = nullptr);

// The first line break in the bytes, or the platform's when there is none.
QString lineBreakOf(QByteArrayView bytes);

struct DocumentFile
{
    QString text;
    FileEncoding encoding = FileEncoding::Utf8;
};

// Puts a regular file's bytes in `bytes`, reusing its memory when it holds
// enough; false when it is no regular file or cannot be read (devices and
// pipes are no documents and might never end).
bool readDocumentBytes(const QString &path, QByteArray &bytes);

// A regular file's text and encoding, or nothing as above. The name may
// also be given as the system's bytes, which need not be valid in any encoding.
std::optional<DocumentFile> readDocumentFile(const QString &path);
std::optional<DocumentFile> readDocumentFile(const QByteArray &nativePath);
