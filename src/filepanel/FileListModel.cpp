#include "filepanel/FileListModel.h"

#include "core/DanishLocale.h"
#include "editing/DocumentDrops.h"

#include <QFileIconProvider>
#include <QHash>
#include <QMimeData>
#include <QUrl>

#include <algorithm>
#include <numeric>

namespace {

struct ColumnLook
{
    const char *caption;
    int width;
};

// Captions and widths of the details view's columns.
constexpr ColumnLook Columns[] = {{"Navn", 120},    {"Størrelse", 58},   {"Type", 130},      {"Ændret", 90},
                                  {"Oprettet", 90}, {"Sidst åbnet", 90}, {"Attributter", 60}};
static_assert(std::size(Columns) == std::size_t(FileColumn::Count));

QString dateText(qint64 time)
{
    const QDateTime local = ListedEntry::dateTime(time);
    if (!local.isValid())
        return QString();
    return danishLocale().toString(local.date(), QLocale::ShortFormat) + QStringLiteral("  ")
        + local.time().toString(QStringLiteral("HH:mm"));
}

QString columnText(const ListedEntry &entry, FileColumn column)
{
    switch (column) {
    case FileColumn::Name:
        return entry.name;
    case FileColumn::Size:
        return entry.folder ? QString() : danishLocale().toString(entry.size);
    case FileColumn::Type:
        return entry.typeName;
    case FileColumn::Modified:
        return dateText(entry.modified);
    case FileColumn::Created:
        return dateText(entry.created);
    case FileColumn::LastAccess:
        return dateText(entry.lastAccess);
    case FileColumn::Attributes:
        return entry.attributes();
    case FileColumn::Count:
        break;
    }
    return QString();
}

// The desktop's icon for entries like this one; files share it by extension.
QIcon iconFor(const QString &folder, const ListedEntry &entry)
{
    static QFileIconProvider provider;
    static QHash<QString, QIcon> byExtension;
    if (entry.folder)
        return provider.icon(QFileIconProvider::Folder);
    const qsizetype dot = entry.name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot > 0 ? entry.name.mid(dot + 1).toLower() : QString();
    auto known = byExtension.constFind(extension);
    if (known == byExtension.constEnd())
        known = byExtension.insert(extension, provider.icon(QFileInfo(folder + entry.name)));
    return *known;
}

} // namespace

FileListModel::FileListModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void FileListModel::clear()
{
    beginResetModel();
    m_entries.clear();
    endResetModel();
}

bool FileListModel::before(const ListedEntry &a, const ListedEntry &b) const
{
    return entryBefore(a, b, m_column, m_order);
}

void FileListModel::append(QList<ListedEntry> entries)
{
    if (entries.isEmpty())
        return;
    std::sort(entries.begin(), entries.end(), [this](const ListedEntry &a, const ListedEntry &b) { return before(a, b); });
    const int kept = int(m_entries.size());
    beginInsertRows({}, kept, int(kept + entries.size() - 1));
    m_entries += entries;
    endInsertRows();
    if (kept == 0 || !before(m_entries.at(kept), m_entries.at(kept - 1)))
        return;
    std::vector<int> rows(m_entries.size());
    std::iota(rows.begin(), rows.end(), 0);
    std::inplace_merge(rows.begin(), rows.begin() + kept, rows.end(),
                       [this](int a, int b) { return before(m_entries.at(a), m_entries.at(b)); });
    reorder(rows);
}

void FileListModel::markChanged(const QSet<QString> &names)
{
    for (ListedEntry &entry : m_entries)
        entry.changedSincePublishing = !entry.folder && names.contains(entry.name);
    if (m_entries.isEmpty())
        return;
    const int attributes = int(FileColumn::Attributes);
    Q_EMIT dataChanged(index(0, attributes), index(int(m_entries.size()) - 1, attributes), {Qt::DisplayRole});
    if (m_column == FileColumn::Attributes)
        sort(attributes, m_order);
}

void FileListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= int(FileColumn::Count))
        return;
    m_column = FileColumn(column);
    m_order = order;
    std::vector<int> rows(m_entries.size());
    std::iota(rows.begin(), rows.end(), 0);
    std::sort(rows.begin(), rows.end(), [this](int a, int b) { return before(m_entries.at(a), m_entries.at(b)); });
    reorder(rows);
}

void FileListModel::reorder(const std::vector<int> &oldRows)
{
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRowOf(oldRows.size());
    QList<ListedEntry> ordered;
    ordered.reserve(m_entries.size());
    for (int row = 0; row < int(oldRows.size()); ++row) {
        newRowOf[oldRows[row]] = row;
        ordered.append(std::move(m_entries[oldRows[row]]));
    }
    m_entries = std::move(ordered);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &index : before)
        after.append(index.isValid() ? this->index(newRowOf[index.row()], index.column()) : QModelIndex());
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int FileListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int FileListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(FileColumn::Count);
}

QVariant FileListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const ListedEntry &entry = m_entries.at(index.row());
    const auto column = FileColumn(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return columnText(entry, column);
    case Qt::DecorationRole:
        return column == FileColumn::Name ? QVariant(iconFor(m_folder, entry)) : QVariant();
    case Qt::TextAlignmentRole:
        return column == FileColumn::Size ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default:
        return {};
    }
}

bool FileListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    const QString newName = value.toString();
    if (role != Qt::EditRole || !m_renamer || newName.isEmpty() || newName == m_entries.at(index.row()).name)
        return false;
    // The list is read again after a rename, so the entry itself stays as it was.
    return m_renamer(m_entries.at(index.row()), newName);
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= int(FileColumn::Count))
        return {};
    if (role == Qt::DisplayRole)
        return QString::fromUtf8(Columns[section].caption);
    if (role == Qt::SizeHintRole)
        return QSize(Columns[section].width, 0);
    if (role == Qt::TextAlignmentRole && FileColumn(section) == FileColumn::Size)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags FileListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index) | Qt::ItemIsDragEnabled;
    if (m_renamer && FileColumn(index.column()) == FileColumn::Name)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QStringList FileListModel::mimeTypes() const
{
    return {DocumentDrops::FileListFormat};
}

QMimeData *FileListModel::mimeData(const QModelIndexList &indexes) const
{
    QStringList paths;
    for (const QModelIndex &index : indexes) {
        if (index.column() == 0)
            paths << m_folder + m_entries.at(index.row()).name;
    }
    auto *mime = new QMimeData;
    mime->setData(DocumentDrops::FileListFormat, paths.join(QLatin1Char('\n')).toUtf8());
    return mime;
}

Qt::DropActions FileListModel::supportedDragActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}
