#include "publish/DesktopSecrets.h"

#include <qt6keychain/keychain.h>

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>

namespace {

const QString ServiceName = QStringLiteral("Pagewick");

// Where the session bus would be: the address given to the session, or the
// per-user bus socket that a systemd session offers without one.
bool sessionBusConfigured()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo(QDir(runtime).filePath(QStringLiteral("bus"))).exists();
}

// Runs the job to its end; false when it failed.
bool finish(QKeychain::Job &job)
{
    job.setAutoDelete(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    return job.error() == QKeychain::NoError;
}

} // namespace

namespace DesktopSecrets {

bool running()
{
    if (!sessionBusConfigured())
        return false;
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    const QStringList stores = {QStringLiteral("org.freedesktop.secrets"), QStringLiteral("org.kde.kwalletd6"),
                                QStringLiteral("org.kde.kwalletd5")};
    const QDBusReply<QStringList> activatable = bus.interface()->activatableServiceNames();
    for (const QString &store : stores) {
        if (bus.interface()->isServiceRegistered(store).value())
            return true;
        if (activatable.isValid() && activatable.value().contains(store))
            return true;
    }
    return false;
}

std::optional<QString> read(const QString &name)
{
    QKeychain::ReadPasswordJob job(ServiceName);
    job.setKey(name);
    if (!finish(job))
        return std::nullopt;
    return job.textData();
}

bool write(const QString &name, const QString &secret)
{
    QKeychain::WritePasswordJob job(ServiceName);
    job.setKey(name);
    job.setTextData(secret);
    return finish(job);
}

void erase(const QString &name)
{
    QKeychain::DeletePasswordJob job(ServiceName);
    job.setKey(name);
    finish(job);
}

} // namespace DesktopSecrets
