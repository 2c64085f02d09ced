#pragma once

#include "editor/DocumentFile.h"

#include <QDateTime>
#include <QString>

#include <optional>

class EditableText;

// An open document: its text (an editor, owned by the document tabs, which
// knows whether it is modified or read-only) and what the program knows of its file.
struct Document
{
    EditableText *text = nullptr;
    QString path; // empty until the document is saved
    QString caption; // what its tab shows
    QDateTime fileTime; // the file's modification time when last read or written
    FileEncoding encoding = FileEncoding::Utf8;
    QString lineBreak; // the file's first line break when it was read

    // The document as messages name it: its path, or its caption before it is saved.
    QString name() const;
};

// A document about to be written. The parts of the program that prepare it
// may give another text to write instead of the document's own.
struct SaveRequest
{
    bool danishCodesAsked = false; // "Gem med ÆØÅ-koder"
    std::optional<QString> textToWrite;
};
