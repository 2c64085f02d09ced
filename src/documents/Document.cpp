#include "documents/Document.h"

#include <QDir>

QString Document::name() const
{
    return path.isEmpty() ? caption : QDir::toNativeSeparators(path);
}
