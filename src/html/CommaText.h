#pragma once

#include <QStringList>
#include <QStringView>

// Comma lists as the program writes and reads them: items separated by commas
// and/or blanks; an item in double quotes may hold commas and blanks, and a
// doubled double quote inside it stands for one.
namespace CommaText {

QString join(const QStringList &items);
QStringList split(const QString &text);
// Whether one of the list's items is item (compared exactly), without
// building the list.
bool contains(QStringView text, QStringView item);

} // namespace CommaText
