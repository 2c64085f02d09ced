#pragma once

#include "dialogs/element/ElementEdit.h"

// A script or style element's content as its editor shows it: without an
// empty first line and an empty last line.
QString contentForEditing(const QString &content);

// The style element around an edited stylesheet: type (slot 2, else
// "text/css"), media (slot 1) and the element's other attributes as read.
QString styleElementText(const ElementEdit &edit, const QString &stylesheet);

// The script element around an edited script: type (slot 1, else
// "text/javascript") and the element's other attributes as read.
QString scriptElementText(const ElementEdit &edit, const QString &script);
