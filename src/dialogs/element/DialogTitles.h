#pragma once

#include <QString>

// The caption of the element dialog for a panel kind: the new element's
// title, joined with "redigering" when an element is edited where the panel
// says so. Kinds without a panel of their own have no title.
QString dialogTitle(int kind, bool editMode);
