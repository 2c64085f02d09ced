#pragma once

#include "html/LinkScanner.h"

#include <functional>

class QWidget;
class Workbench;

// Rows the user picked in the document properties window; none when cancelled.
using ReferenceChooser = std::function<QList<LinkItem>()>;

// "&Websider...": an HTML file chosen through the open dialog, then among the
// links of its a and area elements.
QList<LinkItem> choosePageLinks(Workbench &workbench, QWidget *parent);

// "M&ål...": among the named anchors of the active document, which is saved
// first when it has changes the user agrees to save.
QList<LinkItem> chooseInternalTargets(Workbench &workbench, QWidget *parent);
