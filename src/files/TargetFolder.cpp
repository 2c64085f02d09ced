#include "files/TargetFolder.h"

#include "core/Prompter.h"

QString chooseTargetFolder(Prompter &prompter, TargetFolderPurpose purpose, const QString &startFolder)
{
    const QString verb = purpose == TargetFolderPurpose::Move ? QStringLiteral("flytte") : QStringLiteral("kopiere");
    const QString folder = prompter.chooseFolder(
        QStringLiteral("Vælg den mappe, du ønsker at %1 de markerede filer til.").arg(verb), startFolder);
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}
