#include "dialogs/element/TitlePanel.h"

QString buildTitle(const QString &title, bool replacesSelection)
{
    const QString element = QStringLiteral("<title>%1</title>").arg(title);
    return replacesSelection ? element : u'\t' + element + QStringLiteral("\r\n");
}
