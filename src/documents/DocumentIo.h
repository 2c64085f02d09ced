#pragma once

#include "editor/DocumentFile.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>
#include <variant>

// Why a page could not be read, and the text the user is shown.
struct DocumentError
{
    enum class Kind { Missing, Folder, Unreadable, TooLarge };

    Kind kind;
    QString text;

    static DocumentError of(Kind kind, const QString &path);
};

// A page file as read: its bytes untouched, their encoding, its first line
// break and its modification time.
struct PageFile
{
    QByteArray bytes;
    FileEncoding encoding = FileEncoding::Utf8;
    QString lineBreak;
    QDateTime fileTime;
};

// Reading and writing the pages of the documents, byte for byte in the
// encoding they were read in.
namespace DocumentIo {

std::variant<PageFile, DocumentError> read(const QString &path);

// Writes the text (UTF-8) beside the file and renames it over the file, in
// the encoding, which becomes UTF-8 when Windows-1252 cannot hold the text.
// Nothing when written, else why not; the old file is then left whole.
std::optional<FileWriteError> write(const QString &path, QByteArray utf8, FileEncoding &encoding);

// The file's modification time, or none when it does not exist.
QDateTime fileTime(const QString &path);

} // namespace DocumentIo
