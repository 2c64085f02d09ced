#include "files/FileText.h"

#include "editor/DocumentFile.h"

std::optional<QString> readFileText(const QString &path)
{
    if (std::optional<DocumentFile> file = readDocumentFile(path))
        return std::move(file->text);
    return std::nullopt;
}
