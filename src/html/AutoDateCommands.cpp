#include "html/AutoDateCommands.h"

#include "editor/EditableText.h"
#include "html/AutoDate.h"

AutoDateCommands::AutoDateCommands(Prompter &prompter, QObject *parent)
    : QObject(parent)
    , m_prompter(prompter)
{
}

void AutoDateCommands::beforeSave(EditableText &editor, const QString &fileName, const SettingsOptions &options)
{
    UpdateAutoDate(editor, fileName, AutoDateMode::Save, AutoDateSettings::fromOptions(options, m_clock()), m_prompter);
}

void AutoDateCommands::updateDateCommand(EditableText &editor, const QString &fileName, const SettingsOptions &options)
{
    RunUpdateDateCommand(editor, fileName, AutoDateSettings::fromOptions(options, m_clock()), m_prompter);
}
