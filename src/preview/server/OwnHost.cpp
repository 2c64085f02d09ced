#include "preview/server/OwnHost.h"

bool isOwnHost(const QByteArray &hostHeader, quint16 port)
{
    const QByteArray portSuffix = ':' + QByteArray::number(port);
    const QByteArray host = hostHeader.trimmed().toLower();
    return host == "127.0.0.1" + portSuffix || host == "localhost" + portSuffix;
}
