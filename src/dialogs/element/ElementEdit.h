#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <utility>

// Rows of an event grid: attribute name and action, in grid order.
using EventRows = QList<std::pair<QString, QString>>;

// The class, id and style of the common panel.
struct CommonText
{
    QString className;
    QString id;
    QString style;
};

// What element editing hands the element dialog: the values taken from the
// element being edited. The dialog window owns one and clears it on close.
struct ElementEdit
{
    static constexpr int SlotCount = 13;
    // Slots 1 to n: the attribute values in the order of the element's
    // attribute list; 7: the content of a paired element; 0, 8, 9 and 10:
    // "%" or "-1", whether the width or height beside them had a percent sign.
    static constexpr int ContentSlot = 7;

    bool EditMode = false;
    std::array<QString, SlotCount> ElementValues;
    CommonText CommonValues;
    // The element's text that no field takes, with its leading blank.
    QString PreservedRemainder;
    QStringList EventAttributeList; // "name=value" lines; "name=" without a value

    void clear();

    QString slot(int index) const { return ElementValues.at(index); }

    // Moves a percent sign at the end of slot `from` into slot `to` ("%"),
    // which otherwise becomes "-1".
    void splitPercent(int from, int to);
    // Whether a percent marker slot says "%".
    bool percent(int markerSlot) const { return ElementValues.at(markerSlot) != QLatin1String("-1"); }

    // A whole number in the slot. A value no number field can hold goes back
    // into the remainder as the attribute it came from (with its percent sign,
    // when `markerSlot` holds one), so that rewriting the element keeps it.
    std::optional<int> takeNumber(int index, const QString &attribute, int markerSlot = -1);
    // Puts an attribute whose value no field can hold back into the remainder.
    void keep(const QString &attribute, const QString &value);

    // The event grid: in edit mode the element's own event attributes, those
    // with an action first; else the element's events with no action.
    EventRows eventRows(const QStringList &elementEvents) const;
};

// Whether the text is a whole number of digits only.
bool isWholeNumber(const QString &text);
