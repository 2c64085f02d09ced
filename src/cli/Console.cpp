#include "cli/Console.h"

#include <cstdio>

namespace Console {

void print(const QString &text)
{
    writeBytes(text.toUtf8());
}

void writeBytes(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

void complain(const QString &message)
{
    std::fflush(stdout);
    const QByteArray line = (QStringLiteral("pwtool: ") + message + QLatin1Char('\n')).toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
}

} // namespace Console
