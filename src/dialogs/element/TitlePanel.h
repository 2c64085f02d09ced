#pragma once

#include <QString>

// The title element: in place of the selected title, or as a line of its own
// where the head placement put the caret.
QString buildTitle(const QString &title, bool replacesSelection);
