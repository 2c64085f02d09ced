// Windows-1252 to and from UTF-8 on any bytes: reading them and writing the
// result back gives the same bytes, and writing any bytes as if they were
// UTF-8 gives what the system's codec gives, or nothing where it fails.
#include "FuzzText.h"
#include "editor/Windows1252.h"

#include <QStringEncoder>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    require(Windows1252::fromUtf8(Windows1252::toUtf8(bytes)) == bytes.toByteArray());

    const std::optional<QByteArray> written = Windows1252::fromUtf8(bytes);
    QStringEncoder codec("windows-1252", QStringConverter::Flag::Stateless);
    const QByteArray expected = codec.encode(QString::fromUtf8(bytes));
    // Bytes that are no UTF-8 read as replacement characters, which the codec cannot write.
    require(codec.hasError() ? !written : written == expected);
    return 0;
}
