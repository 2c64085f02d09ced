#pragma once

#include "files/FileListOrder.h"
#include "files/FolderListing.h"

#include <QAbstractTableModel>
#include <QSet>

#include <functional>
#include <vector>

// The entries of one folder as the file list's views show them: a row per
// entry, a column per detail, the desktop's icons, and the names editable
// for renaming in place. The rows are always in the list's order: entries
// added in pieces are merged in, so a filling list moves each row only once
// per piece.
class FileListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Renames the entry of that row to the new name; true when it was renamed.
    using Renamer = std::function<bool(const ListedEntry &entry, const QString &newName)>;

    explicit FileListModel(QObject *parent = nullptr);

    void setFolder(const QString &folder) { m_folder = folder; }
    QString folder() const { return m_folder; }
    void clear();
    // Adds the entries in their places in the order.
    void append(QList<ListedEntry> entries);
    const ListedEntry &entry(int row) const { return m_entries.at(row); }
    // The entries of these names have changed since they were last
    // published; the others have not.
    void markChanged(const QSet<QString> &names);
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
    void sort(int column, Qt::SortOrder order) override;
    int sortColumn() const { return int(m_column); }
    Qt::SortOrder sortOrder() const { return m_order; }

private:
    bool before(const ListedEntry &a, const ListedEntry &b) const;
    // Moves the rows so that row i holds what row oldRows[i] held.
    void reorder(const std::vector<int> &oldRows);

    QString m_folder; // ends with "/"
    QList<ListedEntry> m_entries;
    Renamer m_renamer;
    FileColumn m_column = FileColumn::Name;
    Qt::SortOrder m_order = Qt::AscendingOrder;
};
