#include "core/OptionsModel.h"

OptionsModel::OptionsModel(SettingsStore &store, const SettingsDefaults &defaults, QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_defaults(defaults)
    , m_options(stored())
{
}

SettingsOptions OptionsModel::stored() const
{
    SettingsOptions options = SettingsOptions::read(m_store, m_defaults);
    options.useArchiveFlag = m_savedArchiveFlag;
    return options;
}

void OptionsModel::apply(const SettingsOptions &options)
{
    m_options = options;
    Q_EMIT changed();
}

bool OptionsModel::save(SettingsOptions &options, Prompter &prompter)
{
    const bool checkListChanged = options.save(m_store, prompter, m_defaults.userDataFolder);
    m_savedArchiveFlag = options.useArchiveFlag;
    return checkListChanged;
}
