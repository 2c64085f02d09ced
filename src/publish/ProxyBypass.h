#pragma once

#include <QString>
#include <QStringList>

// Whether a server is reached directly although a proxy is named. The entries
// are written as the system's proxy settings take them: "*" stands for any
// run of characters ("*.firma.dk", "192.168.*"), "<local>" for every name
// without a dot, letters match in either case, and a line may hold several
// entries separated by ";", "," or blanks.
bool bypassesProxy(const QString &hostName, const QStringList &bypassList);
