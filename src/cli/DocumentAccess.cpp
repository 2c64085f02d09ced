#include "cli/DocumentAccess.h"

#include "cli/Console.h"
#include "files/FileProtection.h"

#include <QFileInfo>

std::optional<DocumentFile> readDocument(const QString &path)
{
    std::optional<DocumentFile> document = readDocumentFile(path);
    if (!document)
        complainUnreadable(path);
    return document;
}

void complainUnreadable(const QString &path)
{
    if (!QFileInfo::exists(path))
        Console::complain(QStringLiteral("Filen %1 findes ikke.").arg(path));
    else
        Console::complain(QStringLiteral("Kan ikke læse filen %1.").arg(path));
}

bool writeDocument(const QString &path, const DocumentFile &document, const QString &text)
{
    if (isWriteProtected(path)) {
        Console::complain(QStringLiteral("Filen %1 er skrivebeskyttet og er ikke ændret.").arg(path));
        return false;
    }
    if (!writeDocumentFile(path, text, document.encoding)) {
        Console::complain(QStringLiteral("Kan ikke skrive filen %1; den er ikke ændret.").arg(path));
        return false;
    }
    return true;
}
