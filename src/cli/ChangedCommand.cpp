#include "cli/Commands.h"
#include "cli/Console.h"
#include "cli/Invocation.h"
#include "cli/ToolContext.h"
#include "core/AppFolders.h"
#include "core/SettingsStore.h"
#include "projects/ChangedFiles.h"
#include "projects/FolderFiles.h"
#include "projects/PublishRecord.h"
#include "projects/SiteAddress.h"
#include "publish/SiteStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The site's key in the record: a title is looked up among the saved sites
// first, then among the titles the record kept from earlier uploads.
std::optional<QString> siteKey(const Invocation &invocation, SettingsStore &store, PublishRecord &record)
{
    if (!invocation.siteAddress.isEmpty()) {
        const std::optional<QString> address = normaliseSiteAddress(invocation.siteAddress);
        if (!address)
            Console::complain(QStringLiteral("%1 er ikke adressen på en server.").arg(invocation.siteAddress));
        return address;
    }
    // Sites still in the older layout are found too; the read-only store
    // keeps the move in memory.
    SiteStore sites(store, SiteStore::PasswordPlace::SettingsFile);
    sites.convertOlderLayout();
    if (const std::optional<QString> stored = sites.address(invocation.siteTitle))
        return stored;
    const std::optional<QString> recorded = record.siteForTitle(invocation.siteTitle);
    if (!recorded) {
        const QString error = record.errorText();
        Console::complain(
            error.isEmpty() ? QStringLiteral("Der findes ingen forbindelse med titlen %1.").arg(invocation.siteTitle) : error);
    }
    return recorded;
}

// Changed files are shown below the folder as it was named, as find(1) does,
// so that relative names stay relative.
QString shownBelow(const QString &named, const QString &folder, const QString &file)
{
    QString prefix = named;
    while (prefix.size() > 1 && prefix.endsWith(QLatin1Char('/')))
        prefix.chop(1);
    return QDir::toNativeSeparators(AppFolders::join(prefix, file.mid(folder.size() + 1)));
}

} // namespace

int runChanged(const Invocation &invocation, const ToolContext &)
{
    if (invocation.siteTitle.isEmpty() == invocation.siteAddress.isEmpty()) {
        Console::complain(QStringLiteral("Angiv serveren med enten --site TITEL eller --to ADRESSE."));
        return ExitFailure;
    }
    const FileArgument &target = invocation.files.first();
    const QFileInfo info(QFile::decodeName(target.native));
    if (!info.exists()) {
        Console::complain(QStringLiteral("%1 findes ikke.").arg(target.shown));
        return ExitFailure;
    }
    SettingsStore store(invocation.settingsFile.isEmpty() ? SettingsStore::defaultPath() : invocation.settingsFile,
                        SettingsStore::Access::ReadOnly);
    const QString userDataFolder = AppFolders::settleUserDataFolder(store, AppFolders::defaultUserDataFolder()).folder;
    PublishRecord record(PublishRecord::fileIn(userDataFolder));
    if (!record.open()) {
        Console::complain(record.errorText());
        return ExitFailure;
    }
    const std::optional<QString> site = siteKey(invocation, store, record);
    if (!site)
        return ExitFailure;

    const QString root = QDir::cleanPath(info.absoluteFilePath());
    const QStringList files = info.isDir() ? filesBelow(root) : QStringList{root};
    const std::optional<QStringList> changed = changedSincePublishing(record, *site, files);
    if (!changed) {
        Console::complain(record.errorText());
        return ExitFailure;
    }
    QString lines;
    for (const QString &file : *changed)
        lines += (info.isDir() ? shownBelow(target.shown, root, file) : target.shown) + QLatin1Char('\n');
    Console::print(lines);
    return ExitSuccess;
}
