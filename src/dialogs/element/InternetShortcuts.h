#pragma once

#include "core/Prompter.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A web address kept in an Internet shortcut file (".url"), named after the file.
struct InternetShortcut
{
    QString address;
    QString name;

    friend bool operator==(const InternetShortcut &, const InternetShortcut &) = default;
};

// The address is the "URL=" line of the "[InternetShortcut]" section, wherever
// that section stands in the file; the name is the file name without its
// extension. Nothing for a file that cannot be read or has no such line.
std::optional<InternetShortcut> readInternetShortcut(const QString &path);

// The shortcuts of the files that have one, in the order given.
QList<InternetShortcut> readInternetShortcuts(const QStringList &paths);

// The open dialog that picks shortcut files, several at a time, starting in `folder`.
Prompter::FileDialog internetShortcutDialog(const QString &folder);
