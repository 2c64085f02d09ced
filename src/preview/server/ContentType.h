#pragma once

#include <QByteArray>
#include <QString>

// The Content-Type of a served file, by its name: what the shared MIME
// database says, "application/octet-stream" for an unknown kind.
QByteArray contentTypeOf(const QString &filePath);

// Whether a page of this type is a web page the reload script goes into.
bool isWebPage(const QByteArray &contentType);
