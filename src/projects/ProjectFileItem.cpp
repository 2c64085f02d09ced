#include "projects/ProjectFileItem.h"

#include "files/FileTexts.h"

#include <QTreeWidget>

bool ProjectFileItem::operator<(const QTreeWidgetItem &other) const
{
    const int column = treeWidget() ? treeWidget()->sortColumn() : NameColumn;
    if (column == SizeColumn) {
        const qint64 mine = ParseSize(text(SizeColumn));
        const qint64 theirs = ParseSize(other.text(SizeColumn));
        if (mine != theirs)
            return mine < theirs;
    } else if (const int order = text(column).compare(other.text(column), Qt::CaseInsensitive); order != 0) {
        return order < 0;
    }
    return text(NameColumn).compare(other.text(NameColumn), Qt::CaseInsensitive) < 0;
}
