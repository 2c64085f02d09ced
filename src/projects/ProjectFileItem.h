#pragma once

#include <QTreeWidgetItem>

// A row of the project file dialog. Rows sort by the sorted column's text,
// ignoring case, the size column by the number of bytes its text stands for;
// rows that compare equal by the first column's text.
class ProjectFileItem : public QTreeWidgetItem
{
public:
    enum Column { NameColumn, TitleColumn, TypeColumn, SizeColumn, ReasonColumn };

    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem &other) const override;
};
