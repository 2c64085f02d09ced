#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Text of a document file: valid UTF-8 (with or without a byte order mark) is
// read as UTF-8, anything else as Windows-1252.
QString decodeDocumentBytes(const QByteArray &bytes);

// The decoded text of the file; nothing when it cannot be read.
std::optional<QString> readDocumentFile(const QString &path);
