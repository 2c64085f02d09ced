#pragma once

#include "core/SettingsOptions.h"

#include <QObject>

class Prompter;
class SettingsStore;

// The options in force for the whole program: read from the store at the
// start, replaced when the user applies or saves in the settings dialog, and
// by the stored ones again when the user cancels what was only applied. Every
// part of the program reads the options here and follows `changed`.
class OptionsModel : public QObject
{
    Q_OBJECT

public:
    // Reads the options from the store.
    OptionsModel(SettingsStore &store, const SettingsDefaults &defaults, QObject *parent = nullptr);

    const SettingsOptions &options() const { return m_options; }
    // The options as the store holds them (with what is kept only for the run).
    SettingsOptions stored() const;

    // The given options come into force.
    void apply(const SettingsOptions &options);
    // Writes the options to the store without bringing them into force; the
    // user data folder in them may be replaced (see SettingsOptions::save).
    // Answers whether the list of elements the HTML check leaves out changed.
    bool save(SettingsOptions &options, Prompter &prompter);

Q_SIGNALS:
    void changed();

private:
    SettingsStore &m_store;
    SettingsDefaults m_defaults;
    bool m_savedArchiveFlag = true; // not stored: kept for the run; read by stored(), so set before m_options
    SettingsOptions m_options;
};
