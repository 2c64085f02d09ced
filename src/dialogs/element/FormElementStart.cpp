#include "dialogs/element/FormElementStart.h"

#include "html/AttributeText.h"

namespace {

const char *const KindNames[] = {"Formular", "Tekstfelt", "Kodeord", "Skjult tekstfelt", "Tekstboks", "Radioknap",
                                 "Tjekboks", "Valgboks",  "Knap",    "Billedknap",       "Send-knap", "Nulstil-knap",
                                 "Fil"};

// A flag of the tag; when the remainder holds it too, it leaves the remainder.
bool takeFlag(ElementReading &reading, const QString &name)
{
    TakeFlagAttribute(reading.edit.PreservedRemainder, name);
    return reading.hasFlag(name);
}

} // namespace

int inputTypeKind(const QString &type)
{
    static const QStringList types = {QStringLiteral("text"),
                                      QStringLiteral("password"),
                                      QStringLiteral("hidden"),
                                      QString(),
                                      QStringLiteral("radio"),
                                      QStringLiteral("checkbox"),
                                      QString(),
                                      QStringLiteral("button"),
                                      QStringLiteral("image"),
                                      QStringLiteral("submit"),
                                      QStringLiteral("reset"),
                                      QStringLiteral("file")};
    if (type.isEmpty())
        return 1;
    for (qsizetype i = 0; i < types.size(); ++i) {
        if (!types.at(i).isEmpty() && types.at(i).compare(type, Qt::CaseInsensitive) == 0)
            return int(i) + 1;
    }
    return FormElementStart::UnknownInput;
}

FormElementStart formElementStart(int index, ElementReading &reading)
{
    const ElementEdit &edit = reading.edit;
    const QString &name = ElementTable::entry(index).name;
    FormElementStart start;
    start.name = edit.slot(1);
    start.disabled = takeFlag(reading, QStringLiteral("disabled"));
    start.readOnly = takeFlag(reading, QStringLiteral("readonly"));
    if (name == QLatin1String("form")) {
        start.kind = FormElementStart::Form;
        start.method = edit.slot(2);
        start.action = edit.slot(3);
        start.encoding = edit.slot(4);
    } else if (name == QLatin1String("input")) {
        start.checked = takeFlag(reading, QStringLiteral("checked"));
        start.kind = inputTypeKind(edit.slot(2));
        start.value = edit.slot(3).isEmpty() ? edit.slot(ElementEdit::ContentSlot) : edit.slot(3);
        start.size = edit.slot(4);
        start.maxLength = edit.slot(5);
        start.file = edit.slot(6);
    } else if (name == QLatin1String("textarea")) {
        start.kind = FormElementStart::TextArea;
        start.size = edit.slot(2);
        start.maxLength = edit.slot(3);
        start.value = edit.slot(ElementEdit::ContentSlot);
        start.wrap = edit.slot(4).compare(QLatin1String("off"), Qt::CaseInsensitive) != 0;
    } else if (name == QLatin1String("select")) {
        start.kind = FormElementStart::Select;
        start.multiple = takeFlag(reading, QStringLiteral("multiple"));
        start.size = edit.slot(2);
    }
    if (start.kind < FormElementStart::UnknownInput)
        start.caption = QStringLiteral("%1 - %2").arg(QString::fromUtf8(KindNames[start.kind]), QStringLiteral("redigering"));
    return start;
}
