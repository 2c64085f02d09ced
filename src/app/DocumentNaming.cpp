#include "app/DocumentNaming.h"

#include "editor/EditableText.h"

#include <QFileInfo>

namespace DocumentNaming {

QString titleOf(const QString &text)
{
    const qsizetype open = text.indexOf(QLatin1String("<title>"), 0, Qt::CaseInsensitive);
    if (open < 0)
        return NoTitle;
    const qsizetype start = open + 7;
    const qsizetype close = text.indexOf(QLatin1String("</title>"), start, Qt::CaseInsensitive);
    if (close < 0)
        return NoTitle;
    const QString title = text.mid(start, close - start).trimmed();
    return title.isEmpty() ? NoTitle : title;
}

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
    return QFileInfo(path).fileName().startsWith(QLatin1String("~pwtemp"));
}

} // namespace DocumentNaming
