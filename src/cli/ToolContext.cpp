#include "cli/ToolContext.h"

#include "cli/Console.h"
#include "core/AppFolders.h"
#include "core/OptionsModel.h"
#include "core/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

QString ToolContext::libraryFile(const QString &name) const
{
    return AppFolders::join(programFolder, name);
}

std::optional<ToolContext> loadToolContext(const QString &settingsFile)
{
    const QString path = settingsFile.isEmpty() ? SettingsStore::defaultPath() : settingsFile;
    const QFileInfo info(path);
    // The user's own store may not exist yet; a file named on the command line must.
    if (!settingsFile.isEmpty() || info.exists()) {
        if (!info.isFile() || !info.isReadable()) {
            Console::complain(QStringLiteral("Kan ikke læse indstillingsfilen %1.").arg(QDir::toNativeSeparators(path)));
            return std::nullopt;
        }
    }
    SettingsStore store(path, SettingsStore::Access::ReadOnly);
    SettingsDefaults defaults;
    defaults.userDataFolder = AppFolders::defaultUserDataFolder();
    const OptionsModel options(store, defaults);
    return ToolContext{options.options(), AppFolders::programFolder()};
}
