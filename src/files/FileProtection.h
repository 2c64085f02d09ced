#pragma once

#include <QString>

class Prompter;

// A file is write-protected when it exists and its owner may not write it.
bool isWriteProtected(const QString &path);

// Before the program overwrites a file, it asks whether to lift the protection
// (quiet: lifts it without asking). Answers true when the file stays protected.
bool EnsureWritable(const QString &path, bool quiet, Prompter &prompter);
