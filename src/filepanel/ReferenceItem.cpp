#include "filepanel/ReferenceItem.h"

#include <QApplication>
#include <QHash>
#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>

namespace {

// Flipped by every header click of any list while the program runs.
bool sortsAscending = false;

} // namespace

ReferenceItem::ReferenceItem(QTreeWidget *list, const QStringList &texts, LinkIcon icon)
    : QTreeWidgetItem(list, texts)
    , m_icon(icon)
{
    setIcon(0, referenceIcon(icon));
}

bool ReferenceItem::operator<(const QTreeWidgetItem &other) const
{
    const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
    const int order = text(column).toUpper().compare(other.text(column).toUpper());
    if (order != 0)
        return order < 0;
    return text(0).toUpper().compare(other.text(0).toUpper()) < 0;
}

void sortOnHeaderClicks(QTreeWidget &list)
{
    list.header()->setSectionsClickable(true);
    QObject::connect(list.header(), &QHeaderView::sectionClicked, &list, [&list](int column) {
        sortsAscending = !sortsAscending;
        list.header()->setSortIndicatorShown(true);
        list.sortItems(column, sortsAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
    });
}

namespace {

QIcon iconOfKind(LinkIcon icon)
{
    const auto themed = [](const char *name, QStyle::StandardPixmap fallback) {
        return QIcon::fromTheme(QString::fromLatin1(name), QApplication::style()->standardIcon(fallback));
    };
    switch (icon) {
    case LinkIcon::Web:
        return themed("applications-internet", QStyle::SP_DriveNetIcon);
    case LinkIcon::Internal:
        return themed("go-jump", QStyle::SP_ArrowRight);
    case LinkIcon::Email:
        return themed("mail-message", QStyle::SP_FileIcon);
    case LinkIcon::Script:
        return themed("text-x-script", QStyle::SP_FileIcon);
    case LinkIcon::Stylesheet:
        return themed("text-css", QStyle::SP_FileIcon);
    case LinkIcon::Image:
        return themed("image-x-generic", QStyle::SP_FileIcon);
    case LinkIcon::Frame:
        return themed("text-html", QStyle::SP_FileDialogDetailedView);
    case LinkIcon::Embed:
    case LinkIcon::Applet:
    case LinkIcon::Object:
        return themed("application-x-executable", QStyle::SP_ComputerIcon);
    case LinkIcon::LocalFile:
        break;
    }
    return themed("text-html", QStyle::SP_FileIcon);
}

} // namespace

QIcon referenceIcon(LinkIcon icon)
{
    // Theme look-ups are slow beside filling a list of thousands of rows.
    static QHash<LinkIcon, QIcon> icons;
    auto known = icons.constFind(icon);
    if (known == icons.constEnd())
        known = icons.insert(icon, iconOfKind(icon));
    return *known;
}
