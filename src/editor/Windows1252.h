#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// Windows-1252 to and from UTF-8 directly, byte by byte, without the text in
// between: a large page then takes no more fresh memory than its result. The
// characters are the ones the system's "windows-1252" codec gives, its
// undefined bytes included, so files read and written here keep their bytes.
namespace Windows1252 {

QByteArray toUtf8(QByteArrayView bytes);
// The size toUtf8 gives.
qsizetype utf8Size(QByteArrayView bytes);

// Nothing when the text holds a character that Windows-1252 has no byte for,
// when it is no valid UTF-8, or when the system has no such codec.
std::optional<QByteArray> fromUtf8(QByteArrayView utf8);

} // namespace Windows1252
