#pragma once

#include "publish/ListingOrder.h"
#include "publish/RemoteListingModel.h"

#include <QWidget>

class QAbstractItemView;
class QListView;
class QStackedLayout;
class QTreeView;

// The remote listing of the publishing window in its four views, sorted by
// a column on demand. Entries are dragged out by name; local files, the
// program's own file lists and projects can be dropped on it while it is
// not busy.
class RemoteListing : public QWidget
{
    Q_OBJECT

public:
    // The views in the order of the "FtpVisning" setting.
    enum View { SmallIcons = 1, LargeIcons = 2, List = 3, Details = 4 };
    // The format of a project dragged from the project tree: its title.
    static const QString ProjectFormat;

    explicit RemoteListing(QWidget *parent = nullptr);

    RemoteListingModel &model() { return *m_model; }
    View view() const { return m_view; }
    void setView(View view);
    QAbstractItemView *currentView() const;

    // Rows of the selected entries, in listing order.
    QList<int> selectedRows() const;
    bool hasSelection() const { return !selectedRows().isEmpty(); }
    void selectAll();
    void selectName(const QString &name);
    void startRename();

    // Sorts by the column, the opposite way of the last sort (the first
    // sort runs descending).
    void sortBy(ListingColumn column);
    // Sorts as a fresh listing is sorted: folders first, then by name.
    void sortByDefault();

    // While busy the cursor is the hourglass and no drag starts or lands.
    void setBusy(bool busy);

signals:
    void folderActivated(const QString &name);
    void selectionChanged();
    void menuRequested(const QPoint &globalPosition);
    void deleteRequested();
    // Local files dropped on the listing (from other programs or the
    // program's file list), and a project dropped from the project tree.
    void filesDropped(const QStringList &paths);
    void projectDropped(const QString &title);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleDrop(QEvent *event);
    void activate(const QModelIndex &index);

    RemoteListingModel *m_model;
    QListView *m_icons;
    QTreeView *m_details;
    QStackedLayout *m_stack;
    View m_view = List;
    bool m_busy = false;
    Qt::SortOrder m_lastOrder = Qt::AscendingOrder;
};
