#pragma once

#include "publish/FtpTypes.h"
#include "publish/ListingOrder.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>

// One entry of the remote listing with the texts of its columns.
struct RemoteEntry
{
    TFindData data;
    QString sizeText; // empty for a folder
    QString typeText;
    QString dateText;
    QIcon icon;

    QString name() const { return data.name; }
    bool isFolder() const { return data.isFolder(); }
};

// The entries of the current remote folder: name, size, type and date.
// Names can be edited in place; an edited name is handed on as a rename
// request, and the listing keeps the old name until it is read again.
class RemoteListingModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // The listed entries; "." and ".." are left out.
    void setEntries(const QList<TFindData> &entries);
    void clear();
    const QList<RemoteEntry> &entries() const { return m_entries; }
    const RemoteEntry &entry(int row) const { return m_entries.at(row); }
    qint64 totalSize() const;

    void sortEntries(ListingColumn column, Qt::SortOrder order);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override;

signals:
    void renameRequested(const QString &oldName, const QString &newName);

private:
    QList<RemoteEntry> m_entries;
};
