#pragma once

#include <QString>

class EditableText;

// Titles, captions and file names of documents.
namespace DocumentNaming {

inline const QString NoTitle = QStringLiteral("[Ingen titel]");

// The text between the first "<title>" and the next "</title>", ignoring case,
// trimmed; "[Ingen titel]" when there is none or it is empty.
QString titleOf(const EditableText &text);

// "Gem som" with "save as .html" on: a name without any extension gets
// ".html" ("side" -> "side.html", while "side.htm" and "side.php" stay).
QString withHtmlExtension(const QString &name);

// A name that always goes through the save dialog (a temporary preview copy).
bool isTemporaryCopy(const QString &path);

} // namespace DocumentNaming
