#include "dialogs/element/LinkValues.h"

#include "editor/EditableText.h"
#include "html/AttributeText.h"
#include "html/MarkupWriting.h"

namespace {

// Whether the text at `place` goes on with a blank (a line break counts).
bool blankAt(const EditableText &text, TextPos place)
{
    if (place.column >= text.GetLineLength(place.line))
        return place.line < text.GetLineCount();
    const QChar next = text.textBetween(place, {place.line, place.column + 1}).front();
    return next == u' ' || next == u'\t';
}

} // namespace

LinkValues LinkValues::fromEdit(const ElementEdit &edit)
{
    LinkValues values;
    values.address = edit.slot(1);
    values.target = edit.slot(2);
    values.name = edit.slot(3);
    values.description = edit.slot(ElementEdit::ContentSlot);
    return values;
}

QString buildLink(const LinkValues &values, const CommonFields &common, const QList<InternetShortcut> &furtherFavourites,
                  const QString &suffix)
{
    const QString address = values.address == LinkValues::AddressStart ? QString() : values.address;
    const QString target = FormatAttribute(QStringLiteral("target"), values.target);
    const QString commonAndEvents = FormatCommonAttributes(common.text.className, common.text.id, common.text.style)
        + FormatEventAttributes(common.events);
    QString markup = QStringLiteral("<a") + FormatAttribute(QStringLiteral("href"), address) + target
        + FormatAttribute(QStringLiteral("name"), values.name) + commonAndEvents + common.remainder + u'>' + values.description
        + QStringLiteral("</a>");
    for (const InternetShortcut &favourite : furtherFavourites)
        markup += QStringLiteral("\r\n<a href=\"") + favourite.address + u'"' + target + commonAndEvents + u'>' + favourite.name
            + QStringLiteral("</a><br") + suffix + u'>';
    return markup;
}

QStringList linkTargetItems(const QString &lastTarget, const QStringList &frameNames)
{
    QStringList items{QStringLiteral("_blank"), QStringLiteral("_self"), QStringLiteral("_parent"), QStringLiteral("_top")};
    for (const QString &name : QStringList{lastTarget} + frameNames) {
        if (!name.isEmpty() && !items.contains(name))
            items.prepend(name);
    }
    return items;
}

QStringList frameNames(const EditableText &text)
{
    QStringList names;
    TextPos from{1, 0};
    while (const std::optional<EditableText::Match> start = text.findFrom(QStringLiteral("<frame"), from)) {
        from = start->end;
        // "<frameset" and other names that only begin alike are no frame.
        if (!blankAt(text, start->end))
            continue;
        const std::optional<EditableText::Match> end = text.findFrom(QStringLiteral(">"), start->end);
        if (!end)
            break;
        const QString name = AttributeValue(text.textBetween(start->start, end->end), QStringLiteral("name"));
        if (!name.isEmpty())
            names.append(name);
        from = end->end;
    }
    return names;
}
