#include "editor/Windows1252.h"

#include <QString>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// The codec's character for each byte, as UTF-8, and the way back.
struct Table
{
    struct Utf8
    {
        std::array<char, 3> bytes{};
        std::uint8_t length = 0;
    };
    std::array<Utf8, 256> toUtf8;
    std::vector<std::pair<char32_t, char>> fromCharacter; // sorted by character
    bool fromCodec = false;
};

const Table &table()
{
    static const Table built = [] {
        Table table;
        QStringDecoder codec("windows-1252");
        table.fromCodec = codec.isValid();
        for (int byte = 0; byte < 256; ++byte) {
            const char c = char(byte);
            // Without the codec the bytes are read as Latin-1, as they always were.
            const QString character = table.fromCodec ? QString(codec.decode(QByteArrayView(&c, 1))) : QString(QChar(byte));
            const QByteArray utf8 = character.toUtf8();
            Table::Utf8 &entry = table.toUtf8[std::size_t(byte)];
            entry.length = std::uint8_t(std::min<qsizetype>(utf8.size(), 3));
            std::copy_n(utf8.constData(), entry.length, entry.bytes.begin());
            // A byte the codec cannot read is no way back for the replacement character.
            if (character.size() == 1 && character.front() != QChar::ReplacementCharacter)
                table.fromCharacter.emplace_back(character.front().unicode(), c);
        }
        std::sort(table.fromCharacter.begin(), table.fromCharacter.end());
        return table;
    }();
    return built;
}

constexpr std::uint64_t HighBits = 0x8080808080808080u;

// The number of ASCII bytes from `at`, eight at a time.
qsizetype asciiRun(const char *at, qsizetype available)
{
    qsizetype run = 0;
    for (std::uint64_t word; run + 8 <= available; run += 8) {
        std::memcpy(&word, at + run, 8);
        if (word & HighBits)
            break;
    }
    while (run < available && quint8(at[run]) < 0x80)
        ++run;
    return run;
}

} // namespace

namespace Windows1252 {

QByteArray toUtf8(QByteArrayView bytes)
{
    const Table &codec = table();
    // Room for three bytes a character; what is not written is never touched.
    QByteArray utf8(bytes.size() * 3, Qt::Uninitialized);
    char *out = utf8.data();
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype run = asciiRun(bytes.data() + at, bytes.size() - at);
        std::memcpy(out, bytes.data() + at, std::size_t(run));
        out += run;
        at += run;
        if (at < bytes.size()) {
            const Table::Utf8 &character = codec.toUtf8[quint8(bytes[at++])];
            out = std::copy_n(character.bytes.begin(), character.length, out);
        }
    }
    utf8.truncate(out - utf8.constData());
    return utf8;
}

std::optional<QByteArray> fromUtf8(QByteArrayView utf8)
{
    const Table &codec = table();
    if (!codec.fromCodec)
        return std::nullopt;
    QByteArray bytes(utf8.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (qsizetype at = 0; at < utf8.size();) {
        const qsizetype run = asciiRun(utf8.data() + at, utf8.size() - at);
        std::memcpy(out, utf8.data() + at, std::size_t(run));
        out += run;
        at += run;
        if (at == utf8.size())
            break;
        // One character of two or three bytes: Windows-1252 holds none beyond U+FFFF.
        const quint8 lead = quint8(utf8[at]);
        const qsizetype length = lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3 : 0;
        if (length == 0 || utf8.size() - at < length)
            return std::nullopt;
        char32_t character = lead & (length == 2 ? 0x1F : 0x0F);
        for (qsizetype k = 1; k < length; ++k) {
            const quint8 next = quint8(utf8[at + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            character = (character << 6) | (next & 0x3F);
        }
        if (length == 3 && character < 0x800)
            return std::nullopt; // written longer than it need be, which UTF-8 forbids
        const auto found = std::lower_bound(codec.fromCharacter.begin(), codec.fromCharacter.end(), character,
                                            [](const std::pair<char32_t, char> &entry, char32_t c) { return entry.first < c; });
        if (found == codec.fromCharacter.end() || found->first != character)
            return std::nullopt;
        *out++ = found->second;
        at += length;
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
}

} // namespace Windows1252
