#pragma once

#include <QList>
#include <QString>

// A button of the main toolbar: the command it runs, its hint and the few
// letters drawn on it. An entry without a command separates groups.
struct ToolBarButton
{
    QString id;
    QString hint;
    QString glyph;

    bool isSeparator() const { return id.isEmpty(); }
};

namespace ToolBarTable {

// The main toolbar's buttons, left to right.
const QList<ToolBarButton> &mainToolBar();

} // namespace ToolBarTable
