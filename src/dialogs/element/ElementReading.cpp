#include "dialogs/element/ElementReading.h"

#include "dialogs/element/DialogKinds.h"
#include "html/AttributeText.h"

bool ElementReading::hasFlag(const QString &name) const
{
    QString copy = rest;
    return TakeFlagAttribute(copy, name);
}

ElementReading readElement(QString elementText, const QStringList &attributes, const QStringList &events, bool keepUnknown)
{
    ElementReading reading;
    ElementEdit &edit = reading.edit;
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
    reading.rest = elementText;
    if (keepUnknown && !elementText.trimmed().isEmpty())
        edit.PreservedRemainder = elementText;
    return reading;
}

ElementReading prepareElementEdit(int index, const QString &elementText, const QString &content, const QStringList &events,
                                  bool keepUnknown)
{
    const ElementTableEntry &entry = ElementTable::entry(index);
    ElementReading reading = readElement(elementText, entry.attributes, events, keepUnknown);
    ElementEdit &edit = reading.edit;
    if (ElementTable::isPaired(index))
        edit.ElementValues[ElementEdit::ContentSlot] = content;
    const QString &name = entry.name;
    // Flags are read from the tag itself, so that they count whether or not
    // its unknown text is kept.
    if (name == QLatin1String("hr")) {
        edit.splitPercent(3, 0);
        if (reading.hasFlag(QStringLiteral("noshade")))
            edit.ElementValues[4] = QStringLiteral("noshade");
    } else if (name == QLatin1String("img")) {
        edit.splitPercent(3, 0);
        edit.splitPercent(4, 10);
    } else if (name == QLatin1String("frame")) {
        if (reading.hasFlag(QStringLiteral("noresize")))
            edit.ElementValues[6] = QStringLiteral("noresize");
    } else if (name == QLatin1String("td")) {
        edit.splitPercent(5, 8);
        edit.splitPercent(6, 9);
    } else if (name == QLatin1String("table")) {
        edit.splitPercent(1, 0);
        edit.splitPercent(7, 10);
    } else if (name == QLatin1String("ul") || name == QLatin1String("ol")) {
        edit.ElementValues[2] = u'<' + name;
    }
    return reading;
}

int dialogKindFor(int index, const ElementEdit &edit)
{
    const ElementTableEntry &entry = ElementTable::entry(index);
    if (entry.name == QLatin1String("a") && edit.slot(1).contains(QLatin1String("mailto"), Qt::CaseInsensitive))
        return DialogKind::Email;
    return entry.kind;
}
