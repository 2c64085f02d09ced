#pragma once

#include <QStringList>

// The event attributes an element takes: the names of every event group
// ("kind=name, name, ...") whose kind the event map ("kind=element,...")
// lists the element for, in group order.
QStringList ElementEvents(const QString &element, const QStringList &eventGroups, const QStringList &eventMap);
