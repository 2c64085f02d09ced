#include "dialogs/element/CommonFields.h"

#include "html/MarkupWriting.h"

CommonFields CommonFields::fromEdit(const ElementEdit &edit, const QStringList &elementEvents)
{
    CommonFields fields;
    fields.events = edit.eventRows(elementEvents);
    if (edit.EditMode) {
        fields.text = edit.CommonValues;
        fields.remainder = edit.PreservedRemainder;
    }
    return fields;
}

QString CommonFields::markup() const
{
    return FormatCommonAttributes(text.className, text.id, text.style) + FormatEventAttributes(events) + remainder;
}
