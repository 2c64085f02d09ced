#pragma once

#include "editor/DocumentFile.h"

#include <QString>

#include <optional>

// Reading and writing the files named on the command line, in the encoding
// the editor uses. Problems are told on standard error.

std::optional<DocumentFile> readDocument(const QString &path);

// Tells on standard error why a file could not be read: it is missing, or it
// is no regular file or not readable.
void complainUnreadable(const QString &path);

// Puts the new text in place of the file's, atomically and keeping its
// permissions. A write-protected file is left alone: the tool never lifts a
// protection it was not asked about.
bool writeDocument(const QString &path, const DocumentFile &document, const QString &text);
