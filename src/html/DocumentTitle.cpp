#include "html/DocumentTitle.h"

#include "editor/EditableText.h"
#include "html/CharacterReferences.h"
#include "html/TextBetween.h"

namespace {

const QString TitleStart = QStringLiteral("<title>");
const QString TitleEnd = QStringLiteral("</title>");

} // namespace

QString DocumentTitle(const QString &path, const EditableText *openText)
{
    QString title = TextBetweenInFile(path, TitleStart, TitleEnd, false).trimmed();
    if ((title.isEmpty() || title == QLatin1String("-1")) && openText)
        title = TextBetweenInText(openText->GetText(), TitleStart, TitleEnd, false).trimmed();
    if (title.isEmpty() || title == QLatin1String("-1"))
        title = QStringLiteral("[Ingen titel]");
    return ReferencesToDanish(title);
}

QString EditTitle(const QString &title, bool edit)
{
    return edit ? QStringLiteral("%1 - %2").arg(title, QStringLiteral("redigering")) : title;
}
