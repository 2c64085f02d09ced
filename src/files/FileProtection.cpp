#include "files/FileProtection.h"

#include "core/ProductTexts.h"
#include "core/Prompter.h"

#include <QDir>
#include <QFile>

bool isWriteProtected(const QString &path)
{
    const QFile file(path);
    return file.exists() && !file.permissions().testFlag(QFileDevice::WriteOwner);
}

bool EnsureWritable(const QString &path, bool quiet, Prompter &prompter)
{
    if (!isWriteProtected(path))
        return false;
    QFile file(path);
    const QFileDevice::Permissions permissions = file.permissions();
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
