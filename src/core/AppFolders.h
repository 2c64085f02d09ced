#pragma once

#include <QString>

class SettingsStore;

// Where the program finds its shipped data and keeps the user's own files.
namespace AppFolders {

// The read-only folder of shipped data, ending with "/": PAGEWICK_PROGRAM_DIR
// when set, else "share/pagewick" beside the program's "bin" folder (the same
// layout in the build tree and in an installed copy).
QString programFolder();

// The standard per-user data folder "Pagewick/", ending with "/".
QString defaultUserDataFolder();

// Joins a folder and a file name with exactly one separator between them.
QString join(const QString &folder, const QString &name);

struct UserDataChoice
{
    QString folder; // the folder to use for this run, ending with "/"
    QString missingFolder; // the stored folder that does not exist, else empty
};

// Reads "BrugerdataMappe"; a stored folder that no longer exists gives way to
// the default folder for this run, leaving the stored value as it is. The
// default folder is created when it is used.
UserDataChoice settleUserDataFolder(const SettingsStore &store, const QString &defaultFolder);

} // namespace AppFolders
