#pragma once

#include <QStringList>

// The font-family list of a "[font]" value, as the font dialog's list modes
// read and write it.
namespace FontFamilyList {

// The generic families, offered first when the list wants them.
const QStringList &genericFamilies();

// The families of a value; single quotes count as double ones.
QStringList read(const QString &value);

// The value of the chosen families. A family among the first five of the font
// box, or not in it at all, is written bare; any other between single quotes.
QString write(const QStringList &chosen, const QStringList &boxItems);

} // namespace FontFamilyList
