#pragma once

#include <QIcon>
#include <QString>

// The pictures of toolbar buttons, by the name of the program's own drawing
// ("save", "bold", ...): the desktop theme's icon of the same meaning where the
// theme has one, and the program's drawing otherwise. The drawings are SVG,
// read only when a button is first painted.
namespace ToolbarIcons {

QIcon icon(const QString &name);

// The file of the program's own drawing.
QString drawing(const QString &name);

} // namespace ToolbarIcons
