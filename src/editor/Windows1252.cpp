#include "editor/Windows1252.h"

#include <QString>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
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

// The byte for the character of two or three bytes at the start of `utf8`
// (Windows-1252 holds none beyond U+FFFF), or nothing when it has none or
// the bytes are no UTF-8.
std::optional<char> byteOf(const Table &codec, QByteArrayView utf8)
{
    const quint8 lead = quint8(utf8[0]);
    const qsizetype length = lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3 : 0;
    if (length == 0 || utf8.size() < length)
        return std::nullopt;
    char32_t character = lead & (length == 2 ? 0x1F : 0x0F);
    for (qsizetype k = 1; k < length; ++k) {
        const quint8 next = quint8(utf8[k]);
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
    return found->second;
}

// Walks the text: each run of ASCII bytes goes to `ascii`, and at each other
// byte `other` tells how many bytes it took.
template <typename Ascii, typename Other> void walk(QByteArrayView text, Ascii ascii, Other other)
{
    for (qsizetype at = 0; at < text.size();) {
        const qsizetype run = asciiRun(text.data() + at, text.size() - at);
        ascii(text.data() + at, run);
        at += run;
        if (at < text.size())
            at += other(at);
    }
}

} // namespace

namespace Windows1252 {

qsizetype utf8Size(QByteArrayView bytes)
{
    const Table &codec = table();
    qsizetype size = 0;
    walk(
        bytes, [&](const char *, qsizetype run) { size += run; },
        [&](qsizetype at) {
            size += codec.toUtf8[quint8(bytes[at])].length;
            return 1;
        });
    return size;
}

QByteArray toUtf8(QByteArrayView bytes)
{
    const Table &codec = table();
    // The size first, so that a large page takes no more memory than it needs.
    QByteArray utf8(utf8Size(bytes), Qt::Uninitialized);
    char *out = utf8.data();
    walk(
        bytes, [&](const char *run, qsizetype size) { out = std::copy_n(run, size, out); },
        [&](qsizetype at) {
            const Table::Utf8 &character = codec.toUtf8[quint8(bytes[at])];
            out = std::copy_n(character.bytes.begin(), character.length, out);
            return 1;
        });
    return utf8;
}

std::optional<QByteArray> fromUtf8(QByteArrayView utf8)
{
    const Table &codec = table();
    if (!codec.fromCodec)
        return std::nullopt;
    QByteArray bytes(utf8.size(), Qt::Uninitialized);
    char *out = bytes.data();
    bool written = true;
    walk(
        utf8, [&](const char *run, qsizetype size) { out = std::copy_n(run, size, out); },
        [&](qsizetype at) {
            const std::optional<char> byte = byteOf(codec, utf8.sliced(at));
            written = written && byte;
            *out++ = byte.value_or('\0');
            // After a character it cannot write the walk has nothing more to do.
            return byte ? qsizetype(quint8(utf8[at]) < 0xE0 ? 2 : 3) : utf8.size() - at;
        });
    if (!written)
        return std::nullopt;
    bytes.truncate(out - bytes.constData());
    return bytes;
}

} // namespace Windows1252
