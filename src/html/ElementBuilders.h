#pragma once

#include <QSize>
#include <QString>

class EditableText;

// The elements that refer to a file. Each gives an empty text for an empty
// path; `suffix` is what elements without an end tag end with (" /" in XHTML
// style, else empty).
namespace ElementBuilders {

// "<link rel=... href=... type="text/css">" and a line break.
QString stylesheetLink(const QString &path, const QString &suffix);
// "<script type="text/javascript" src=...></script>" and a line break.
QString scriptReference(const QString &path);
// An image without border and with an empty alt text; the width and height are
// written when either is not 0. `extra` attributes follow the alt text, each
// starting with a blank.
QString image(const QString &path, QSize size, const QString &extra, const QString &suffix);
// A MIDI sound of 150 by 70 pixels.
QString sound(const QString &path, const QString &suffix);

} // namespace ElementBuilders

// The markup that refers to a file dropped on a document or inserted from the
// file panel: the file's path relative to the document with slashes, as an
// image (of the given pixel size), a sound, a stylesheet link, a script
// reference (".js") or else a link with the file name as its text.
QString FileReferenceMarkup(const QString &documentPath, const QString &file, QSize pictureSize, const QString &suffix);

// Puts that markup in place of the selection (nothing in a read-only text).
void InsertFileReference(EditableText &text, const QString &documentPath, const QString &file, QSize pictureSize,
                         const QString &suffix);
