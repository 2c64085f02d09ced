#include "resources/LibraryTree.h"

#include <QFile>

#include <algorithm>

namespace {

const QString LevelError = QStringLiteral("Ulovligt TreeNode niveau");

bool isFolder(qint32 kind)
{
    return kind % 1000 == 0;
}
bool isElement(qint32 kind)
{
    return kind >= 1200 && kind <= 1299;
}
bool isAttribute(qint32 kind)
{
    return kind >= 1300 && kind <= 1399;
}
bool isEvent(qint32 kind)
{
    return kind >= 1700 && kind <= 1799;
}
bool isStyleProperty(qint32 kind)
{
    return kind >= 2300 && kind <= 2399;
}
constexpr qint32 TagCheckedElement = 1250;
constexpr qint32 ScriptKeyword = 3500;

int iconOf(qint32 kind)
{
    if (isFolder(kind))
        return LibraryIcon::FolderClosed;
    if (isElement(kind))
        return LibraryIcon::Element;
    if (isEvent(kind))
        return LibraryIcon::Event;
    switch (kind) {
    case 2900:
        return LibraryIcon::ScriptProperty;
    case 3100:
        return LibraryIcon::ScriptMethod;
    case 3400:
        return LibraryIcon::Event;
    case ScriptKeyword:
        return LibraryIcon::Keyword;
    default:
        return LibraryIcon::Entry;
    }
}

// Builds the lists of one load; the attribute state belongs to this load only.
class ListExtender
{
public:
    ListExtender(LibraryLists &lists, const QStringList &tagCheckExclusions)
        : m_lists(lists)
        , m_exclusions(tagCheckExclusions)
    {
    }

    void add(const LibraryRecord &record)
    {
        const qint32 kind = record.Kind;
        if (isElement(kind))
            addElement(record);
        else if (isAttribute(kind))
            addAttribute(record.Code);
        else if (isEvent(kind))
            addEvent(kind, record.Name);
        else if (isStyleProperty(kind))
            addStyleProperty(record.Name + QLatin1Char('=') + record.Extra);
        else if (kind == ScriptKeyword)
            m_lists.ScriptKeywords.append(record.Name);
    }

private:
    void addElement(const LibraryRecord &record)
    {
        m_lists.ElementNames.append(record.Name);
        m_lists.ElementAttributes.append(QString());
        m_elementLine = m_lists.ElementAttributes.size() - 1;
        if (record.Kind == TagCheckedElement && !m_exclusions.contains(record.Name, Qt::CaseInsensitive))
            m_lists.TagCheckElements.append(record.Name);
    }

    void addAttribute(const QString &code)
    {
        // An attribute ahead of every element of this load has no element
        // line to join; the shipped data has none, so it only shows in the tree.
        if (m_elementLine < 0)
            return;
        QString &line = m_lists.ElementAttributes[m_elementLine];
        if (m_attributesOfElement == m_elementLine)
            line = line + QStringLiteral(", ") + code;
        else
            line = code;
        m_attributesOfElement = m_elementLine;
    }

    void addEvent(qint32 kind, const QString &name)
    {
        const QString prefix = QString::number(kind) + QLatin1Char('=');
        for (QString &line : m_lists.EventGroups) {
            if (!line.startsWith(prefix))
                continue;
            // Loading the HTML library again must not list its events twice.
            if (!QStringView(line).sliced(prefix.size()).split(QStringLiteral(", ")).contains(name))
                line = line + QStringLiteral(", ") + name;
            return;
        }
        m_lists.EventGroups.append(prefix + name);
    }

    void addStyleProperty(const QString &line)
    {
        QStringList &properties = m_lists.StyleProperties;
        const auto at = std::lower_bound(properties.begin(), properties.end(), line, [](const QString &a, const QString &b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        if (at == properties.end() || *at != line)
            properties.insert(at, line);
    }

    LibraryLists &m_lists;
    const QStringList &m_exclusions;
    qsizetype m_elementLine = -1; // the ElementAttributes line of the latest element
    qsizetype m_attributesOfElement = -1; // the line that already holds an attribute
};

} // namespace

LibraryTree BuildLibraryTree(const QList<LibraryRecord> &records, LibraryLists &lists, const QStringList &tagCheckExclusions)
{
    LibraryTree tree;
    tree.nodes.reserve(records.size());
    ListExtender extender(lists, tagCheckExclusions);
    int previousLevel = 0;
    int current = -1; // the node added last: the parent of a deeper record
    for (const LibraryRecord &record : records) {
        const int level = LibraryRecordFormat::levelOf(record.Id);
        int parent = current;
        if (level <= previousLevel && current >= 0) {
            for (int climbs = previousLevel - level + 1; climbs > 0; --climbs) {
                if (parent < 0) {
                    tree.error = LevelError;
                    return tree;
                }
                parent = tree.nodes.at(parent).parent;
            }
        } else if (level > previousLevel + 1) {
            tree.error = LevelError;
            return tree;
        }
        tree.nodes.append({record.Code, iconOf(record.Kind), parent, record.Kind, isAttribute(record.Kind)});
        current = int(tree.nodes.size() - 1);
        previousLevel = level;
        extender.add(record);
    }
    // The top node shows as a closed folder whatever its kind; a load that
    // stopped on an error leaves it as it was.
    if (!tree.nodes.isEmpty())
        tree.nodes.first().icon = LibraryIcon::FolderClosed;
    return tree;
}

std::optional<LibraryTree> LoadLibraryTree(const QString &path, LibraryLists &lists, const QStringList &tagCheckExclusions)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Mapped rather than copied: a copy would take as much fresh memory again.
    if (const uchar *mapped = file.map(0, file.size())) {
        const QByteArrayView contents(mapped, file.size());
        return BuildLibraryTree(LibraryRecordFormat::decodeFile(contents), lists, tagCheckExclusions);
    }
    return BuildLibraryTree(LibraryRecordFormat::decodeFile(file.readAll()), lists, tagCheckExclusions);
}
