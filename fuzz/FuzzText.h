#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The fuzzer's bytes as a text. The first byte carries option bits for the
// target; its top bit chooses how the rest is read: one character per byte
// (as a Windows-1252 page reads), or raw UTF-16 units, lone surrogates included.
struct FuzzText
{
    QString text;
    std::uint8_t options = 0;

    FuzzText(const std::uint8_t *data, std::size_t size)
    {
        if (size == 0)
            return;
        options = data[0];
        const char *rest = reinterpret_cast<const char *>(data + 1);
        if (options & 0x80)
            text = QString(reinterpret_cast<const QChar *>(rest), qsizetype((size - 1) / 2));
        else
            text = QString::fromLatin1(rest, qsizetype(size - 1));
    }
};

// Stops the run with a crash report when a property does not hold.
inline void require(bool holds)
{
    if (!holds)
        std::abort();
}
