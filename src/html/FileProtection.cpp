#include "html/FileProtection.h"

#include "app/Prompter.h"

#include <QDir>
#include <QFile>

bool EnsureWritable(const QString &path, bool quiet, Prompter &prompter)
{
    QFile file(path);
    if (!file.exists())
        return false;
    const QFileDevice::Permissions permissions = file.permissions();
    if (permissions.testFlag(QFileDevice::WriteOwner))
        return false;
    if (!quiet) {
        const Prompter::Button answer = prompter.message(
            {QStringLiteral("Skrivebeskyttet"),
             QStringLiteral("%1 %2 er skrivebeskyttet. Ønsker du, at %3 skal fjerne skrivebeskyttelsen?")
                 .arg(QStringLiteral("Filen"), QDir::toNativeSeparators(path), Product::Caption),
             Prompter::Icon::Question, Prompter::Yes | Prompter::No});
        if (answer == Prompter::No)
            return true;
    }
    return !file.setPermissions(permissions | QFileDevice::WriteOwner | QFileDevice::WriteUser);
}
