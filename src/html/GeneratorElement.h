#pragma once

#include <QString>

class EditableText;
class Prompter;

// Puts the generator element into a page before it is saved: nothing when the
// very element is there, an older one replaced, else a new one where meta
// elements belong in the HEAD section. The first line shown and the selection
// are kept, moved down by an inserted line where they lie below it.
void refreshGeneratorElement(EditableText &text, const QString &element, Prompter &prompter, const QString &caption);
