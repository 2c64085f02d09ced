#pragma once

#include <QList>
#include <QString>

// A button of the main toolbar: the command it runs, its hint and the name of
// its icon. An entry without a command separates groups.
struct ToolBarButton
{
    QString id;
    QString hint;
    QString icon;

    bool isSeparator() const { return id.isEmpty(); }
};

namespace ToolBarTable {

// The main toolbar's buttons, left to right.
const QList<ToolBarButton> &mainToolBar();

} // namespace ToolBarTable
