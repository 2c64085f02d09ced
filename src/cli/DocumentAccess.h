#pragma once

#include "cli/FileArgument.h"
#include "editor/DocumentFile.h"

#include <QString>

#include <optional>

// Reading and writing the files named on the command line, in the encoding
// the editor uses. Problems are told on standard error.

std::optional<DocumentFile> readDocument(const FileArgument &file);

// Tells on standard error why a file could not be read: it is missing, its
// link cannot be followed, or it is no regular file or not readable.
void complainUnreadable(const FileArgument &file);

// Whether the file's owner may not write it. The tool never lifts a
// protection it was not asked about, so such a file is left alone.
bool isWriteProtected(const FileArgument &file);

// Tells on standard error that a write-protected file was left alone.
void complainWriteProtected(const FileArgument &file);

// Tells on standard error why a file could not be written.
void complainUnwritable(const FileArgument &file, const FileWriteError &error);

// Puts the new text in place of the file's, atomically and keeping its
// permissions, unless the file is write-protected.
bool writeDocument(const FileArgument &file, const DocumentFile &document, const QString &text);
