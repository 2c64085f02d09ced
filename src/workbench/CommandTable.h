#pragma once

#include <QList>
#include <QString>

// Every command of the main window's menu bar, in menu order: a stable id, the
// caption with its access key, the shortcut (in portable text, "Ctrl+Shift+T")
// and the entries of a submenu. Handlers are attached by id elsewhere; a
// command without one is shown disabled.
struct CommandEntry
{
    QString id; // empty for a separator
    QString caption;
    QString shortcut;
    QList<CommandEntry> children;
    bool checkable = false;

    bool isSeparator() const { return id.isEmpty() && caption.isEmpty(); }
};

namespace CommandTable {

// The menus of the menu bar, each an entry with children.
const QList<CommandEntry> &menuBar();

// The entry with this id anywhere in the menus, or nothing.
const CommandEntry *find(const QString &id);

} // namespace CommandTable
