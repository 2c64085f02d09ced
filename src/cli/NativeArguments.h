#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The command line as the system gave it. A file name is bytes, which need
// not be UTF-8 whatever the locale says; each byte that is no part of a UTF-8
// character is carried through the parsing as a lone surrogate (U+DC80 to
// U+DCFF), which no UTF-8 can give, so that the name's bytes come back exactly.
QStringList decodeArguments(int argc, const char *const argv[]);
QByteArray encodeArgument(const QString &argument);
