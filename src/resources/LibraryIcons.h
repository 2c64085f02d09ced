#pragma once

#include <QIcon>

// The 16-pixel pictures of the library trees, by their index in the
// program's image list: 79 and 80 a folder closed and open, 81 an element,
// 82 an attribute or entry, 83 a method, 84 an event, 85 a keyword, 86 a
// property; and for the placeholders of completion lists 6 a font, 13 a
// picture's address, 24 a web address and 36 a colour. Other indexes have
// no picture here.
namespace LibraryIcons {

// The same picture for every state, so a selected node keeps its look; a
// null icon for an index without a picture.
QIcon icon(int index);

} // namespace LibraryIcons
