#pragma once

#include "core/Prompter.h"

// The open dialogs of the image and sound panels' "Vælg..." buttons.

// Pictures, starting on the field's current file when it exists relative to
// the document, else in the document's folder.
Prompter::FileDialog pictureFileDialog(const QString &documentPath, const QString &currentFile);

// Sound files, starting in the document's folder.
Prompter::FileDialog soundFileDialog(const QString &documentPath);
