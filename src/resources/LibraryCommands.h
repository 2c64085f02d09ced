#pragma once

#include <QObject>

class LibraryTab;
class Workbench;

// The "Vis" menu's library commands: each shows the "Bibliotek" tab with its library.
class LibraryCommands : public QObject
{
    Q_OBJECT

public:
    LibraryCommands(Workbench &workbench, LibraryTab &tab);
};
