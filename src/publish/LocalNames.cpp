#include "publish/LocalNames.h"

#include <QDir>
#include <QStringList>

namespace LocalNames {

bool isSafeFileName(const QString &name)
{
    if (name.isEmpty() || name == u"." || name == u"..")
        return false;
    for (const QChar c : name) {
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    return true;
}

bool isSafeTarget(const QString &localPath)
{
    const QString path = QDir::fromNativeSeparators(localPath);
    const QStringList segments = path.split(u'/');
    if (segments.contains(QStringLiteral("..")))
        return false;
    return isSafeFileName(segments.last());
}

bool isSafeCommandArgument(const QString &text)
{
    return !text.contains(u'\r') && !text.contains(u'\n') && !text.contains(QChar(0));
}

} // namespace LocalNames
