#pragma once

#include <QString>

#include <optional>

// The text of a document file as the editor loads it (readDocumentFile):
// UTF-8 when the bytes are valid UTF-8 (a byte order mark dropped), else
// Windows-1252. Nothing when it is no regular file or cannot be read.
std::optional<QString> readFileText(const QString &path);
