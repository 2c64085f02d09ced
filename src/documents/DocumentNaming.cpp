#include "documents/DocumentNaming.h"

#include "editor/EditableText.h"

#include <QFileInfo>

namespace DocumentNaming {

QString titleOf(const EditableText &text)
{
    const std::optional<QString> title = text.firstTextBetween(QStringLiteral("<title>"), QStringLiteral("</title>"));
    if (!title || title->trimmed().isEmpty())
        return NoTitle;
    return title->trimmed();
}

QString withHtmlExtension(const QString &name)
{
    // Any extension the user typed is kept, also a long one (".shtml") or a
    // short one (".js").
    if (QFileInfo(name).fileName().contains(QLatin1Char('.')))
        return name;
    return name + QStringLiteral(".html");
}

bool isTemporaryCopy(const QString &path)
{
    // The preview writes its copies of unsaved pages as "~pwtmp<n>.htm".
    const QString name = QFileInfo(path).fileName();
    return name.startsWith(QLatin1String("~pwtemp")) || name.startsWith(QLatin1String("~pwtmp"));
}

} // namespace DocumentNaming
