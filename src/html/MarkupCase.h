#pragma once

#include "html/TextPieces.h"

#include <QString>

// Element and attribute names of every tag in upper or lower case, leaving
// attribute values, comments, "<% %>" and "<? ?>" blocks and the contents of
// script sections as they are. With xhtml (meant with lower case) the empty
// elements also get " /" before their ">", unquoted attribute values get
// double quotes, and an HTML public doctype is written in its usual case.
// A text without "<" comes back unchanged.
QString ConvertMarkupCase(const QString &text, bool upper, bool xhtml);

// The same conversion handed on in pieces of about a megabyte as it goes.
void ConvertMarkupCase(QStringView text, bool upper, bool xhtml, const TextPieces &write);
