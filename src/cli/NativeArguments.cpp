#include "cli/NativeArguments.h"

#include <QByteArrayView>

namespace {

constexpr char16_t EscapedByte = 0xDC00;

// The length of the UTF-8 character at the start of the bytes, or 0 when
// they start with none.
qsizetype characterLength(QByteArrayView bytes)
{
    const quint8 lead = quint8(bytes.front());
    const qsizetype length = lead < 0x80 ? 1 : lead < 0xC0 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (length == 0 || length > bytes.size() || !bytes.first(length).isValidUtf8())
        return 0;
    return length;
}

char32_t decodeCharacter(QByteArrayView character)
{
    if (character.size() == 1)
        return char32_t(quint8(character.front()));
    char32_t code = quint8(character.front()) & (0x7F >> character.size());
    for (qsizetype k = 1; k < character.size(); ++k)
        code = (code << 6) | (quint8(character[k]) & 0x3F);
    return code;
}

QString decodeArgument(QByteArrayView bytes)
{
    QString argument;
    while (!bytes.isEmpty()) {
        const qsizetype length = characterLength(bytes);
        if (length == 0) {
            argument += QChar(char16_t(EscapedByte | quint8(bytes.front())));
            bytes = bytes.sliced(1);
        } else {
            const char32_t code = decodeCharacter(bytes.first(length));
            argument += QString::fromUcs4(&code, 1);
            bytes = bytes.sliced(length);
        }
    }
    return argument;
}

} // namespace

QStringList decodeArguments(int argc, const char *const argv[])
{
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments.append(decodeArgument(argv[k]));
    return arguments;
}

QByteArray encodeArgument(const QString &argument)
{
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype k = 0; k < argument.size(); ++k) {
        const QChar c = argument[k];
        if (c.isHighSurrogate() && k + 1 < argument.size() && argument[k + 1].isLowSurrogate()) {
            ++k; // a whole pair is one character of the run
            continue;
        }
        if (c.unicode() >= (EscapedByte | 0x80) && c.unicode() <= (EscapedByte | 0xFF)) {
            bytes += QStringView(argument).sliced(runStart, k - runStart).toUtf8();
            bytes += char(c.unicode() & 0xFF);
            runStart = k + 1;
        }
    }
    bytes += QStringView(argument).sliced(runStart).toUtf8();
    return bytes;
}
