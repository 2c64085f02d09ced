#include "cli/EncodedWriter.h"

#include "editor/Windows1252.h"

#include <algorithm>
#include <utility>

namespace {

// How many characters are encoded at a time.
constexpr qsizetype Stretch = 1 << 20;

const QByteArrayView Utf8Bom("\xEF\xBB\xBF");

// Calls `encode` for the text a stretch at a time, never between the two
// halves of a surrogate pair.
template <typename Encode> void inStretches(QStringView text, Encode encode)
{
    for (qsizetype at = 0; at < text.size();) {
        qsizetype end = std::min(at + Stretch, text.size());
        if (end < text.size() && text[end - 1].isHighSurrogate())
            ++end;
        encode(text.sliced(at, end - at));
        at = end;
    }
}

} // namespace

EncodedWriter::EncodedWriter(FileEncoding encoding, WriteBytes write)
    : m_encoding(encoding)
    , m_write(std::move(write))
{
}

void EncodedWriter::write(QStringView text)
{
    if (!m_started) {
        m_started = true;
        if (m_encoding == FileEncoding::Utf8WithBom)
            writeBytes(Utf8Bom);
    }
    inStretches(text, [&](QStringView stretch) {
        if (m_encoding != FileEncoding::Windows1252) {
            writeBytes(stretch.toUtf8());
            return;
        }
        const std::optional<QByteArray> bytes = Windows1252::fromUtf8(stretch.toUtf8());
        Q_ASSERT(bytes);
        writeBytes(bytes.value_or(QByteArray()));
    });
}

void EncodedWriter::writeBytes(QByteArrayView bytes)
{
    if (!m_failed && !bytes.isEmpty() && !m_write(bytes))
        m_failed = true;
}

FileEncoding fittingEncoding(FileEncoding encoding, const std::function<void(const TextPieces &)> &pieces)
{
    if (encoding != FileEncoding::Windows1252)
        return encoding;
    bool fits = true;
    pieces([&](QStringView piece) {
        if (fits)
            inStretches(piece, [&](QStringView stretch) { fits = fits && Windows1252::fromUtf8(stretch.toUtf8()).has_value(); });
    });
    return fits ? encoding : FileEncoding::Utf8;
}
