#pragma once

class CommandRegistry;
class QMainWindow;
class QToolBar;
class QWidget;

// The window's toolbars, laid out from the commands.
namespace MainToolBars {

// The main toolbar: every command's button as the toolbar table lists it.
void buildMain(QMainWindow &window, CommandRegistry &commands);
// The file panel's two rows above its folder tree; they work once the file panel does.
void buildFilePanel(QWidget &page);
// The editor toolbar above the document, made before the parts of the
// program attach: the bookmarks find their buttons there.
void buildEditor(QToolBar &bar, CommandRegistry &commands);

} // namespace MainToolBars
