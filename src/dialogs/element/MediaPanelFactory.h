#pragma once

class ElementPanel;
class QWidget;
class Workbench;
struct ElementEdit;
struct PanelServices;

// The image panel (kind 34) or the sound panel (kinds 1 and 2) on the active
// document, filled from the edited element in edit mode; nothing for any
// other kind.
ElementPanel *makeMediaPanel(int kind, ElementEdit &edit, Workbench &workbench, const PanelServices &services, QWidget *parent);
