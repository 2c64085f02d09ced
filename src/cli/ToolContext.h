#pragma once

#include "core/SettingsOptions.h"

#include <QString>

#include <optional>

// What every subcommand reads: the user's options and the program folder
// with the library files.
struct ToolContext
{
    SettingsOptions options;
    QString programFolder; // ends with "/"

    QString libraryFile(const QString &name) const;
};

// The options from the settings file (empty: the store the editor uses, whose
// absence means the defaults); nothing after a problem was told. The file is
// only read, never written.
std::optional<ToolContext> loadToolContext(const QString &settingsFile);
