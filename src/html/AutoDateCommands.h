#pragma once

#include <QDateTime>
#include <QObject>

#include <functional>

class Prompter;
class EditableText;
struct SettingsOptions;

// The update date of the documents: refreshed, or asked for, when an HTML
// document is saved, and the command "Opdateringsdato". The date comes from a
// clock that tests can set.
class AutoDateCommands : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    explicit AutoDateCommands(Prompter &prompter, QObject *parent = nullptr);

    void setClock(Clock clock) { m_clock = std::move(clock); }

    // Before the document is written; `fileName` names it in the messages.
    void beforeSave(EditableText &editor, const QString &fileName, const SettingsOptions &options);
    // Removes an earlier refusal and refreshes the date, or inserts a date line at the caret.
    void updateDateCommand(EditableText &editor, const QString &fileName, const SettingsOptions &options);

private:
    Prompter &m_prompter;
    Clock m_clock = &QDateTime::currentDateTime;
};
