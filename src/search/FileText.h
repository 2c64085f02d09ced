#pragma once

#include "editor/DocumentFile.h"

#include <QByteArray>
#include <QString>

// A file as search and replace read it: its bytes once, decoded once.
struct FileText
{
    FileEncoding encoding = FileEncoding::Utf8;
    QString text;
};

// The text of a file's bytes, in the encoding the editor would read them in.
FileText decodeFileText(const QByteArray &bytes);

// Why a file that could not be read was skipped.
QString unreadableReason(const QString &path);
