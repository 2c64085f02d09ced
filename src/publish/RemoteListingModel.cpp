#include "publish/RemoteListingModel.h"

#include "files/FolderListing.h"
#include "publish/ListingTexts.h"
#include "workbench/PublishRequests.h"

#include <QFileIconProvider>
#include <QMimeData>
#include <QMimeDatabase>

#include <algorithm>

namespace {

enum Column { NameColumn, SizeColumn, TypeColumn, DateColumn, ColumnCount };

// The desktop's icon for a name alone: nothing is read from the server.
QIcon iconFor(const TFindData &data)
{
    static const QFileIconProvider provider;
    if (data.isFolder())
        return provider.icon(QFileIconProvider::Folder);
    static const QMimeDatabase mimeTypes;
    const QMimeType type = mimeTypes.mimeTypeForFile(data.name, QMimeDatabase::MatchExtension);
    return QIcon::fromTheme(type.iconName(), provider.icon(QFileIconProvider::File));
}

RemoteEntry entryFor(const TFindData &data)
{
    RemoteEntry entry;
    entry.data = data;
    if (!data.isFolder())
        entry.sizeText = ListingTexts::sizeText(data.size());
    entry.typeText = fileTypeName(data.name, data.isFolder());
    entry.dateText = ListingTexts::dateText(data.lastWrite());
    entry.icon = iconFor(data);
    return entry;
}

ListingSortFacts sortFacts(const RemoteEntry &entry)
{
    return {entry.name(), entry.isFolder(), entry.data.size(), entry.typeText, entry.data.lastWrite()};
}

} // namespace

void RemoteListingModel::setEntries(const QList<TFindData> &entries)
{
    beginResetModel();
    m_entries.clear();
    for (const TFindData &data : entries) {
        if (data.name != QLatin1String(".") && data.name != QLatin1String(".."))
            m_entries << entryFor(data);
    }
    endResetModel();
}

void RemoteListingModel::clear()
{
    beginResetModel();
    m_entries.clear();
    endResetModel();
}

qint64 RemoteListingModel::totalSize() const
{
    qint64 total = 0;
    for (const RemoteEntry &entry : m_entries) {
        if (!entry.isFolder())
            total += entry.data.size();
    }
    return total;
}

void RemoteListingModel::sortEntries(ListingColumn column, Qt::SortOrder order)
{
    emit layoutAboutToBeChanged();
    std::sort(m_entries.begin(), m_entries.end(), [column, order](const RemoteEntry &a, const RemoteEntry &b) {
        return listingLess(sortFacts(a), sortFacts(b), column, order);
    });
    emit layoutChanged();
}

int RemoteListingModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int RemoteListingModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RemoteListingModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const RemoteEntry &entry = m_entries.at(index.row());
    if (role == Qt::DecorationRole && index.column() == NameColumn)
        return entry.icon;
    if (role == Qt::TextAlignmentRole && index.column() == SizeColumn)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case NameColumn:
        return entry.name();
    case SizeColumn:
        return entry.sizeText;
    case TypeColumn:
        return entry.typeText;
    case DateColumn:
        return entry.dateText;
    }
    return {};
}

QVariant RemoteListingModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QStringList captions = {QStringLiteral("Navn"), QStringLiteral("Størrelse"), QStringLiteral("Type"),
                                         QStringLiteral("Dato")};
    return captions.value(section);
}

Qt::ItemFlags RemoteListingModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid())
        flags |= Qt::ItemIsDragEnabled;
    if (index.column() == NameColumn)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool RemoteListingModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || index.column() != NameColumn || index.row() >= m_entries.size())
        return false;
    const QString oldName = m_entries.at(index.row()).name();
    const QString newName = value.toString();
    if (newName != oldName)
        emit renameRequested(oldName, newName);
    return false;
}

QStringList RemoteListingModel::mimeTypes() const
{
    return {PublishRequests::RemoteFilesFormat};
}

QMimeData *RemoteListingModel::mimeData(const QModelIndexList &indexes) const
{
    QStringList names;
    for (const QModelIndex &index : indexes) {
        if (index.column() == NameColumn)
            names << m_entries.at(index.row()).name();
    }
    auto *mime = new QMimeData;
    mime->setData(PublishRequests::RemoteFilesFormat, names.join(QLatin1Char('\n')).toUtf8());
    return mime;
}

Qt::DropActions RemoteListingModel::supportedDragActions() const
{
    return Qt::CopyAction;
}
