#pragma once

#include "editor/DocumentFile.h"

#include <QByteArray>
#include <QString>

// A file as search and replace read it: its bytes once, decoded once, in the
// encoding the editor would read it in.
struct FileText
{
    FileEncoding encoding = FileEncoding::Utf8;
    QString text;
};

// The file's text from its bytes, which `bytes` receives (reusing its memory);
// false, with the reason a person reads, when the file cannot be read.
bool readFileText(const QString &path, QByteArray &bytes, FileText &file, QString &problem);

// The text of a file's bytes.
FileText decodeFileText(const QByteArray &bytes);

// Why a file that could not be read was skipped.
QString unreadableReason(const QString &path);
