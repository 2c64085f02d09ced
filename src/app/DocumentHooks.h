#pragma once

#include <QString>

#include <functional>

class TLEdit;

// Work that parts of the program do on documents as they are opened, saved
// and shown. Each is empty until its part of the program sets it.
struct DocumentHooks
{
    // Before an HTML document is saved: the generator element and the
    // automatic update date.
    std::function<void(TLEdit &, int tab)> beforeHtmlSave;
    // The Danish letters as references when written, and back when opened.
    std::function<QString(const QString &)> saveConversion;
    std::function<QString(const QString &)> openConversion;
    // A title as a tab shows it (references turned into letters).
    std::function<QString(const QString &)> captionOfTitle;
    // A reference to a file (an image, sound, style sheet, script or link
    // element) at the caret; without it the file's relative path is inserted.
    std::function<void(TLEdit &, const QString &path)> insertFileReference;
    // Opens the element at the caret in its dialog; without it the window
    // says that the element cannot be edited.
    std::function<void(TLEdit &)> editElementAtCaret;
};
