#pragma once

#include <QString>

#include <utility>

class EditableText;

// The fixed markup of the formatting and insertion commands.
namespace FixedMarkup {

enum class Alignment { Center, Right, Justify };

// The opening and closing text of an alignment, new style or old.
std::pair<QString, QString> alignment(Alignment kind, bool oldStyle);

// "Punkt": with nothing selected the whole caret line becomes the item.
void wrapListItem(EditableText &text);

// A table of the given size for the quick-table menus.
QString quickTable(int rows, int columns);

} // namespace FixedMarkup
