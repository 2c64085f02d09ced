#include "core/AppFolders.h"

#include "core/SettingsKeys.h"
#include "core/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace AppFolders {

namespace {

QString withTrailingSlash(QString folder)
{
    folder = QDir::fromNativeSeparators(folder);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

QString programFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("PAGEWICK_PROGRAM_DIR");
    if (!fromEnvironment.isEmpty())
        return withTrailingSlash(QFileInfo(fromEnvironment).absoluteFilePath());
    return withTrailingSlash(QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/pagewick")));
}

QString defaultUserDataFolder()
{
    return withTrailingSlash(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Pagewick"));
}

QString join(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return name;
    QString joined = folder;
    while (joined.endsWith(QLatin1Char('/')) || joined.endsWith(QDir::separator()))
        joined.chop(1);
    QString tail = name;
    while (tail.startsWith(QLatin1Char('/')) || tail.startsWith(QDir::separator()))
        tail.remove(0, 1);
    return joined + QLatin1Char('/') + tail;
}

UserDataChoice settleUserDataFolder(const SettingsStore &store, const QString &defaultFolder)
{
    const QString stored = store.readText(Keys::Indstillinger, Keys::BrugerdataMappe, QString());
    if (!stored.isEmpty() && QFileInfo(stored).isDir())
        return {withTrailingSlash(stored), QString()};
    QDir().mkpath(defaultFolder);
    return {withTrailingSlash(defaultFolder), stored};
}

} // namespace AppFolders
