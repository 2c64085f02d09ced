#pragma once

#include <QByteArray>

// The small Danish pages the preview server answers with instead of a file
// (UTF-8 HTML).
QByteArray notFoundPage(const QByteArray &encodedPath);
QByteArray forbiddenPage();
QByteArray methodNotAllowedPage();
