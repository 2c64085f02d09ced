#pragma once

#include <QString>

#include <functional>

class Prompter;

// Before a path is written relative to the active document, an unnamed
// document is offered to be saved (Yes/No, with the caller's caption); Yes
// runs `save`. Answers whether the document has a file name afterwards, as
// `hasFileName` tells.
bool EnsureSavedForRelativePath(const QString &caption, const std::function<bool()> &hasFileName,
                                const std::function<void()> &save, Prompter &prompter);
