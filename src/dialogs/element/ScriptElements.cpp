#include "dialogs/element/ScriptElements.h"

#include "html/MarkupWriting.h"

#include <QRegularExpression>

namespace {

// What the element had besides the attributes its editor shows.
QString otherAttributes(const ElementEdit &edit)
{
    const CommonText &common = edit.CommonValues;
    return FormatCommonAttributes(common.className, common.id, common.style) + edit.PreservedRemainder;
}

} // namespace

QString contentForEditing(const QString &content)
{
    static const QRegularExpression emptyFirstLine(QStringLiteral("^[ \\t]*(\\r\\n|\\n|\\r)"));
    static const QRegularExpression emptyLastLine(QStringLiteral("(\\r\\n|\\n|\\r)[ \\t]*$"));
    QString text = content;
    text.remove(emptyFirstLine);
    text.remove(emptyLastLine);
    return text;
}

QString styleElementText(const ElementEdit &edit, const QString &stylesheet)
{
    const QString type = edit.slot(2).isEmpty() ? QStringLiteral("text/css") : edit.slot(2);
    const QString media = edit.slot(1).isEmpty() ? QString() : QStringLiteral(" media=\"%1\"").arg(edit.slot(1));
    return QStringLiteral("<style type=\"%1\"%2%3>\r\n%4\r\n</style>").arg(type, media, otherAttributes(edit), stylesheet);
}

QString scriptElementText(const ElementEdit &edit, const QString &script)
{
    const QString type = edit.slot(1).isEmpty() ? QStringLiteral("text/javascript") : edit.slot(1);
    return QStringLiteral("<script type=\"%1\"%2>\r\n%3\r\n</script>").arg(type, otherAttributes(edit), script);
}
