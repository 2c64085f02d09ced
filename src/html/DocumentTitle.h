#pragma once

#include <QString>

class EditableText;

// The title of a page as lists and captions show it: the text between
// "<title>" and "</title>" in the file, trimmed; when the file gives none and
// the page is open, the same from the open text; "[Ingen titel]" when there is
// still none. Character references of Danish letters become the letters.
QString DocumentTitle(const QString &path, const EditableText *openText = nullptr);

// How an element dialog titles itself: the title, or while it edits an
// existing element the title followed by " - redigering".
QString EditTitle(const QString &title, bool edit);
