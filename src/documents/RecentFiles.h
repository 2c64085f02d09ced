#pragma once

#include <QStringList>

class SettingsStore;

// The recent-files list: section "Filer", "Fil1" (most recent) to "Fil8".
namespace RecentFiles {

// Puts the path first; a path already listed moves up instead of repeating.
void SkrivSidsteFil(SettingsStore &store, const QString &path);
// The listed paths in order, up to the first empty entry.
QStringList HentSidsteFiler(const SettingsStore &store);

} // namespace RecentFiles
