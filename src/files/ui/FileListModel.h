#pragma once

#include "files/FileListOrder.h"
#include "files/FolderListing.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include <functional>

// The entries of one folder as the file list's views show them: a row per
// entry, a column per detail, the desktop's icons, and the names editable
// for renaming in place.
class FileListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Renames the entry of that row to the new name; true when it was renamed.
    using Renamer = std::function<bool(const ListedEntry &entry, const QString &newName)>;

    explicit FileListModel(QObject *parent = nullptr);

    void setFolder(const QString &folder) { m_folder = folder; }
    void clear();
    void append(const QList<ListedEntry> &entries);
    const ListedEntry &entry(int row) const { return m_entries.at(row); }
    void setRenamer(Renamer renamer) { m_renamer = std::move(renamer); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override;

private:
    QString m_folder; // ends with "/"
    QList<ListedEntry> m_entries;
    Renamer m_renamer;
};

// The order of the views over the model.
class FileListOrderProxy : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};
