#include "dialogs/element/ElementReading.h"

#include "dialogs/element/DialogKinds.h"
#include "html/AttributeText.h"

namespace {

QList<DialogElement> makeDialogElements()
{
    QList<DialogElement> elements{
        {QStringLiteral("hr"),
         {QStringLiteral("size"), QStringLiteral("align"), QStringLiteral("width")},
         DialogKind::HorizontalLine},
        {QStringLiteral("frameset"),
         {QStringLiteral("rows"), QStringLiteral("cols"), QStringLiteral("framespacing"), QStringLiteral("frameborder"),
          QStringLiteral("border")},
         DialogKind::Frameset},
        {QStringLiteral("body"),
         {QStringLiteral("bgcolor"), QStringLiteral("text"), QStringLiteral("link"), QStringLiteral("vlink"),
          QStringLiteral("alink"), QStringLiteral("background")},
         DialogKind::Page},
        {QStringLiteral("td"),
         {QStringLiteral("valign"), QStringLiteral("align"), QStringLiteral("rowspan"), QStringLiteral("colspan"),
          QStringLiteral("width"), QStringLiteral("height"), QStringLiteral("bgcolor")},
         DialogKind::TableCell},
        {QStringLiteral("tr"), {QStringLiteral("valign"), QStringLiteral("align")}, DialogKind::TableRow},
        {QStringLiteral("ul"), {QStringLiteral("type")}, DialogKind::List},
        {QStringLiteral("ol"), {QStringLiteral("type")}, DialogKind::List},
        {QStringLiteral("title"), {}, DialogKind::Title},
        {QStringLiteral("div"), {QStringLiteral("align")}, DialogKind::Block},
        {QStringLiteral("span"), {QStringLiteral("align")}, DialogKind::Word},
        {QStringLiteral("p"), {QStringLiteral("align")}, DialogKind::Paragraph},
    };
    for (int level = 1; level <= 6; ++level)
        elements.append({QStringLiteral("h%1").arg(level), {QStringLiteral("align")}, DialogKind::Heading1 + level - 1});
    return elements;
}

bool isNameEnd(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'/' || c == u'>';
}

} // namespace

const DialogElement *dialogElement(const QString &name)
{
    static const QList<DialogElement> elements = makeDialogElements();
    for (const DialogElement &element : elements) {
        if (element.name == name)
            return &element;
    }
    return nullptr;
}

QString elementNameOf(const QString &elementText)
{
    qsizetype end = 1;
    while (end < elementText.size() - 1 && !isNameEnd(elementText.at(end)))
        ++end;
    return elementText.mid(1, end - 1).toLower();
}

ElementEdit readElement(QString elementText, const QStringList &attributes, const QStringList &events, bool keepUnknown)
{
    ElementEdit edit;
    edit.EditMode = true;
    // A self-closed element: its "/" goes, so that it ends no value.
    if (elementText.size() >= 2 && elementText.indexOf(u'/') == elementText.size() - 2)
        elementText.remove(elementText.size() - 2, 1);
    elementText.remove(0, 1 + elementNameOf(elementText).size());
    for (qsizetype i = 0; i < attributes.size() && i + 1 < ElementEdit::SlotCount; ++i)
        edit.ElementValues[i + 1] = TakeAttribute(elementText, attributes.at(i), true);
    edit.CommonValues.className = TakeAttribute(elementText, QStringLiteral("class"), true);
    edit.CommonValues.id = TakeAttribute(elementText, QStringLiteral("id"), true);
    edit.CommonValues.style = TakeAttribute(elementText, QStringLiteral("style"), true);
    for (const QString &event : events)
        edit.EventAttributeList.append(event + u'=' + TakeAttribute(elementText, event, true));
    elementText.chop(1);
    if (elementText.endsWith(u'/'))
        elementText.chop(1);
    if (keepUnknown && !elementText.trimmed().isEmpty())
        edit.PreservedRemainder = elementText;
    return edit;
}

std::optional<ElementEdit> readDialogElement(const QString &elementText, const QString &content, const QStringList &events,
                                             bool keepUnknown)
{
    const DialogElement *element = dialogElement(elementNameOf(elementText));
    if (!element)
        return std::nullopt;
    ElementEdit edit = readElement(elementText, element->attributes, events, keepUnknown);
    if (element->name == QLatin1String("hr")) {
        edit.splitPercent(3, 0);
        if (elementText.contains(QLatin1String("noshade"), Qt::CaseInsensitive))
            edit.ElementValues[4] = QStringLiteral("noshade");
    } else if (element->name == QLatin1String("td")) {
        edit.splitPercent(5, 8);
        edit.splitPercent(6, 9);
    } else if (element->kind == DialogKind::List) {
        edit.ElementValues[2] = u'<' + element->name;
    } else if (element->kind == DialogKind::Title) {
        edit.ElementValues[ElementEdit::ContentSlot] = content;
    }
    return edit;
}
