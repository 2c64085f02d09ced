#pragma once

#include "editor/DocumentFile.h"
#include "html/TextPieces.h"

#include <QByteArrayView>
#include <QStringView>

#include <functional>

// Text written as the bytes of a document file a piece at a time, so that a
// large page is never encoded whole: in the encoding, with its byte order
// mark first where it has one. The encoding must hold every character (see
// fittingEncoding).
class EncodedWriter
{
public:
    // Writes bytes; false when they could not be written.
    using WriteBytes = std::function<bool(QByteArrayView bytes)>;

    EncodedWriter(FileEncoding encoding, WriteBytes write);

    // Nothing more is written once a write has failed.
    void write(QStringView text);
    bool failed() const { return m_failed; }

private:
    void writeBytes(QByteArrayView bytes);

    FileEncoding m_encoding;
    WriteBytes m_write;
    bool m_started = false;
    bool m_failed = false;
};

// The encoding a converted page is written in, as the editor saves it: a
// Windows-1252 page stays so unless its text holds a character that
// Windows-1252 has no byte for, and is then written as UTF-8. `pieces` hands
// the text on; for a Windows-1252 page it is read through once.
FileEncoding fittingEncoding(FileEncoding encoding, const std::function<void(const TextPieces &)> &pieces);
