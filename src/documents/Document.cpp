#include "documents/Document.h"

#include "editor/EditableText.h"

#include <QDir>

bool Document::isModified() const
{
    return text->IsModified();
}

bool Document::isReadOnly() const
{
    return text->IsReadOnly();
}

QString Document::name() const
{
    return path.isEmpty() ? caption : QDir::toNativeSeparators(path);
}
