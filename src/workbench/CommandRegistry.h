#pragma once

#include <QHash>
#include <QList>
#include <QObject>

#include <functional>
#include <stdexcept>

class QAction;
class QKeySequence;
class QMenu;
class QMenuBar;
class QWidget;
struct CommandEntry;

// What a command's state follows: the active text's selection, its modified
// text (which changes too when another document becomes active), its
// read-only flag, the view (wrap, panels, master page) or the clipboard.
enum class CommandCause { Selection, Modified, ReadOnly, View, Clipboard };

// A command id that no table holds.
class UnknownCommand : public std::invalid_argument
{
public:
    explicit UnknownCommand(const QString &id);
};

// The window's commands: an action for every entry of the menu table, made
// before any part of the program attaches to it, and the commands the parts
// add for their toolbar buttons. A command stays disabled until a handler is
// attached; its enabled and checked states can follow tests grouped by cause,
// which are evaluated when that cause changes and whenever a menu opens.
class CommandRegistry : public QObject
{
    Q_OBJECT

public:
    explicit CommandRegistry(QWidget &window);

    // The menu table's menus on the menu bar, in order.
    void buildMenus(QMenuBar &bar);

    // The command or menu with this id, or null.
    QAction *command(const QString &id) const;
    QMenu *menu(const QString &id) const;
    // The command with this id; throws UnknownCommand when there is none.
    QAction &require(const QString &id) const;

    // Whether an enabled command has this shortcut: an editor that would take
    // the key leaves it to the command.
    bool takesShortcut(const QKeySequence &keys) const;

    // Runs the handler when the command is triggered, and enables it.
    QAction &handle(const QString &id, std::function<void()> handler);
    // A command that no menu holds, such as a toolbar's drop-down button.
    QAction &add(const QString &id, const QString &caption);

    // The command is enabled, or checked, while the test holds.
    void enableWhile(const QString &id, CommandCause cause, std::function<bool()> test);
    void checkWhile(const QString &id, CommandCause cause, std::function<bool()> test);
    // Evaluates the tests that follow the cause, or all of them.
    void refresh(CommandCause cause);
    void refreshAll();

private:
    struct StateTest
    {
        QAction *action;
        CommandCause cause;
        bool checked; // else enabled
        std::function<bool()> test;
    };

    void addEntries(QMenu &menu, const QList<CommandEntry> &entries);
    void evaluate(const StateTest &state);

    QWidget &m_window;
    QHash<QString, QAction *> m_commands;
    QHash<QString, QMenu *> m_menus;
    QList<StateTest> m_states;
};
