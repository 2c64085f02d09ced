#include "html/AutoDateCommands.h"

#include "editor/TLEdit.h"
#include "html/AutoDate.h"

AutoDateCommands::AutoDateCommands(Prompter &prompter, QObject *parent)
    : QObject(parent)
    , m_prompter(prompter)
{
}

void AutoDateCommands::beforeSave(TLEdit &editor, const QString &fileName, const SettingsOptions &options)
{
    UpdateAutoDate(editor, fileName, AutoDateMode::Save, AutoDateSettings::fromOptions(options, m_clock()), m_prompter);
}

void AutoDateCommands::updateDateCommand(TLEdit &editor, const QString &fileName, const SettingsOptions &options)
{
    RunUpdateDateCommand(editor, fileName, AutoDateSettings::fromOptions(options, m_clock()), m_prompter);
}
