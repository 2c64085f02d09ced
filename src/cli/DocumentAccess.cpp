#include "cli/DocumentAccess.h"

#include "cli/Console.h"
#include "editor/AtomicFileWriter.h"

#include <cerrno>
#include <sys/stat.h>

std::optional<DocumentFile> readDocument(const FileArgument &file)
{
    std::optional<DocumentFile> document = readDocumentFile(file.native);
    if (!document)
        complainUnreadable(file);
    return document;
}

void complainUnreadable(const FileArgument &file)
{
    struct stat status;
    if (::stat(file.native.constData(), &status) == 0)
        Console::complain(QStringLiteral("Kan ikke læse filen %1.").arg(file.shown));
    else if (errno == ELOOP)
        Console::complain(QStringLiteral("Linket %1 kan ikke følges.").arg(file.shown));
    else if (errno == ENOENT || errno == ENOTDIR)
        Console::complain(QStringLiteral("Filen %1 findes ikke.").arg(file.shown));
    else
        Console::complain(QStringLiteral("Kan ikke læse filen %1.").arg(file.shown));
}

bool isWriteProtected(const FileArgument &file)
{
    struct stat status;
    return ::stat(file.native.constData(), &status) == 0 && (status.st_mode & S_IWUSR) == 0;
}

void complainWriteProtected(const FileArgument &file)
{
    Console::complain(QStringLiteral("Filen %1 er skrivebeskyttet og er ikke ændret.").arg(file.shown));
}

void complainUnwritable(const FileArgument &file, const FileWriteError &error)
{
    Console::complain(QStringLiteral("Kan ikke skrive filen %1: %2. Den er ikke ændret.").arg(file.shown, error.reason()));
}

bool writeDocument(const FileArgument &file, const DocumentFile &document, const QString &text)
{
    if (isWriteProtected(file)) {
        complainWriteProtected(file);
        return false;
    }
    FileEncoding encoding = document.encoding;
    AtomicFileWriter writer(file.native);
    if (writer.write(encodedFromUtf8(text.toUtf8(), encoding)) && writer.commit())
        return true;
    complainUnwritable(file, writer.error());
    return false;
}
