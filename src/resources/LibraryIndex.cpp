#include "resources/LibraryIndex.h"

#include <QFile>

namespace {

template <typename Key> std::optional<qsizetype> lookUp(const QHash<Key, qsizetype> &positions, const Key &key)
{
    const auto found = positions.constFind(key);
    if (found == positions.constEnd())
        return std::nullopt;
    return *found;
}

QString valuesAt(const QList<LibraryRecord> &records, std::optional<qsizetype> position)
{
    return position ? records.at(*position).Values : QString();
}

} // namespace

LibraryFiles::LibraryFiles(QString programFolder)
    : m_programFolder(std::move(programFolder))
{
}

QString LibraryFiles::pathOf(const QString &fileName) const
{
    if (m_programFolder.isEmpty() || m_programFolder.endsWith(QLatin1Char('/')))
        return m_programFolder + fileName;
    return m_programFolder + QLatin1Char('/') + fileName;
}

const LibraryFiles::FileIndex *LibraryFiles::index(const QString &path)
{
    const auto known = m_files.constFind(path);
    if (known != m_files.constEnd())
        return &*known;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    FileIndex index;
    index.records = LibraryRecordFormat::decodeFile(file.readAll());
    // Backwards, so that each key ends at its first record: the one a scan would stop at.
    for (qsizetype at = index.records.size() - 1; at >= 0; --at) {
        const LibraryRecord &record = index.records.at(at);
        index.byId.insert(record.Id, at);
        index.byHelpKey.insert(record.HelpKey, at);
        index.byName.insert(record.Name, at);
        index.byElementAndName.insert(ElementAndName(record.Element, record.Name), at);
        index.byFoldedElementAndName.insert(ElementAndName(record.Element.toCaseFolded(), record.Name.toCaseFolded()), at);
    }
    return &*m_files.insert(path, index);
}

LibraryRecord LibraryFiles::FindRecord(qint32 id, qint32 helpKey, const QString &name, const QString &path)
{
    const FileIndex *file = index(path);
    if (!file)
        return {};
    // The scan stops at the first record that meets any of the tests.
    std::optional<qsizetype> first;
    const auto consider = [&first](std::optional<qsizetype> position) {
        if (position && (!first || *position < *first))
            first = position;
    };
    if (id >= 0)
        consider(lookUp(file->byId, id));
    if (helpKey >= 0)
        consider(lookUp(file->byHelpKey, helpKey));
    if (!name.isEmpty())
        consider(lookUp(file->byName, name));
    return first ? file->records.at(*first) : LibraryRecord();
}

QString LibraryFiles::HelpText(qint32 helpKey, const QString &fileName)
{
    const LibraryRecord record = FindRecord(-1, helpKey, QString(), pathOf(fileName));
    if (record.isNone())
        return QStringLiteral("Hjælpetekst ikke fundet.");
    return QStringLiteral("%1 (%2)").arg(record.Description, record.Code);
}

QString LibraryFiles::AttributeValues(const QString &element, const QString &attribute)
{
    const FileIndex *file = index(pathOf(HtmlLibrary));
    if (!file)
        return {};
    return valuesAt(file->records,
                    lookUp(file->byFoldedElementAndName, ElementAndName(element.toCaseFolded(), attribute.toCaseFolded())));
}

QString LibraryFiles::LookupValues(const std::optional<QString> &element, const QString &name, const QString &fileName)
{
    const FileIndex *file = index(pathOf(fileName));
    if (!file)
        return {};
    if (element)
        return valuesAt(file->records, lookUp(file->byElementAndName, ElementAndName(*element, name)));
    return valuesAt(file->records, lookUp(file->byName, name));
}
