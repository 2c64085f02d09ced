#pragma once

#include <QString>

// Element and attribute names of every tag in upper or lower case, leaving
// attribute values, comments, "<% %>" and "<? ?>" blocks and the contents of
// script sections as they are. With xhtml (meant with lower case) the empty
// elements also get " /" before their ">", unquoted attribute values get
// double quotes, and an HTML public doctype is written in its usual case.
// A text without "<" comes back unchanged.
QString ConvertMarkupCase(const QString &text, bool upper, bool xhtml);
