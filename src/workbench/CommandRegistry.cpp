#include "workbench/CommandRegistry.h"

#include "workbench/CommandTable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace {

// Shortcuts as the table gives them, with an equivalent where a key sits
// elsewhere on other keyboards.
QList<QKeySequence> shortcutsFor(const QString &portable)
{
    if (portable.isEmpty())
        return {};
    if (portable == QStringLiteral("Ctrl+Æ"))
        return {QKeySequence(Qt::CTRL | Qt::Key_AE), QKeySequence(Qt::CTRL | Qt::Key_QuoteLeft)};
    if (portable == QLatin1String("Ctrl+/"))
        return {QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Slash), QKeySequence(Qt::CTRL | Qt::Key_Slash)};
    if (portable == QLatin1String("Ctrl++"))
        return {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Plus)};
    return {QKeySequence::fromString(portable, QKeySequence::PortableText)};
}

} // namespace

UnknownCommand::UnknownCommand(const QString &id)
    : std::invalid_argument("unknown command: " + id.toStdString())
{
}

CommandRegistry::CommandRegistry(QWidget &window)
    : QObject(&window)
    , m_window(window)
{
}

void CommandRegistry::buildMenus(QMenuBar &bar)
{
    for (const CommandEntry &entry : CommandTable::menuBar()) {
        QMenu *menu = bar.addMenu(entry.caption);
        menu->setObjectName(entry.id);
        m_menus.insert(entry.id, menu);
        connect(menu, &QMenu::aboutToShow, this, &CommandRegistry::refreshAll);
        addEntries(*menu, entry.children);
    }
}

void CommandRegistry::addEntries(QMenu &menu, const QList<CommandEntry> &entries)
{
    for (const CommandEntry &entry : entries) {
        if (entry.isSeparator()) {
            menu.addSeparator();
            continue;
        }
        if (!entry.children.isEmpty() || entry.id.startsWith(QLatin1String("mnu"))) {
            QMenu *sub = menu.addMenu(entry.caption);
            sub->setObjectName(entry.id);
            m_menus.insert(entry.id, sub);
            addEntries(*sub, entry.children);
            continue;
        }
        auto *action = new QAction(entry.caption, &m_window);
        action->setObjectName(entry.id);
        action->setShortcuts(shortcutsFor(entry.shortcut));
        action->setCheckable(entry.checkable);
        action->setEnabled(false); // until a handler is attached
        menu.addAction(action);
        m_commands.insert(entry.id, action);
    }
}

QAction *CommandRegistry::command(const QString &id) const
{
    return m_commands.value(id);
}

QMenu *CommandRegistry::menu(const QString &id) const
{
    return m_menus.value(id);
}

QAction &CommandRegistry::require(const QString &id) const
{
    QAction *action = m_commands.value(id);
    if (!action)
        throw UnknownCommand(id);
    return *action;
}

bool CommandRegistry::takesShortcut(const QKeySequence &keys) const
{
    return std::any_of(m_commands.cbegin(), m_commands.cend(),
                       [&keys](const QAction *action) { return action->isEnabled() && action->shortcuts().contains(keys); });
}

QAction &CommandRegistry::handle(const QString &id, std::function<void()> handler)
{
    QAction &action = require(id);
    action.setEnabled(true);
    connect(&action, &QAction::triggered, this, std::move(handler));
    return action;
}

QAction &CommandRegistry::add(const QString &id, const QString &caption)
{
    auto *action = new QAction(caption, &m_window);
    action->setObjectName(id);
    m_commands.insert(id, action);
    return *action;
}

void CommandRegistry::enableWhile(const QString &id, CommandCause cause, std::function<bool()> test)
{
    m_states.append({&require(id), cause, false, std::move(test)});
}

void CommandRegistry::checkWhile(const QString &id, CommandCause cause, std::function<bool()> test)
{
    m_states.append({&require(id), cause, true, std::move(test)});
}

void CommandRegistry::evaluate(const StateTest &state)
{
    if (state.checked)
        state.action->setChecked(state.test());
    else
        state.action->setEnabled(state.test());
}

void CommandRegistry::refresh(CommandCause cause)
{
    for (const StateTest &state : std::as_const(m_states)) {
        if (state.cause == cause)
            evaluate(state);
    }
}

void CommandRegistry::refreshAll()
{
    for (const StateTest &state : std::as_const(m_states))
        evaluate(state);
}
