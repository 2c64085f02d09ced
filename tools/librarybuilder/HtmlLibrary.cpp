#include "HtmlLibrary.h"

#include "HtmlFacts.h"
#include "HtmlTextMaps.h"
#include "TreeLines.h"

#include <QHash>
#include <QSet>

namespace HtmlLibraryAssembly {
namespace {

using namespace HtmlFactTables;

const QString DanishFileName = QStringLiteral("html.da.tsv");

constexpr int FolderKind = 1000;
constexpr int ElementKind = 1200;
constexpr int CheckedElementKind = 1250;
constexpr int AttributeKind = 1300;
constexpr int GlobalAttributeKind = 1400;

const QString Doctype = QStringLiteral("!DOCTYPE");
const QString Comment = QStringLiteral("!--");

QString elementCode(const QString &name, const ElementFact &fact)
{
    if (name == Comment)
        return QStringLiteral("<!--   -->");
    if (fact.isVoid)
        return QLatin1Char('<') + name + QLatin1Char('>');
    return QLatin1Char('<') + name + QLatin1String("></") + name + QLatin1Char('>');
}

// An attribute as a start tag writes it: a boolean attribute (its only value is its own name)
// and the words of the document type declaration stand bare, any other gets an empty value.
QString attributeCode(const QString &element, const QString &name, const QString &values)
{
    if (element == Doctype || values == name)
        return name;
    return name + QLatin1String("=\"\"");
}

// Walks html.da.tsv line by line, keeping what the next line stands under.
class Assembler
{
public:
    Assembler(const HtmlFacts &facts, const DanishFile &file, BuildProblems &problems)
        : m_facts(facts)
        , m_file(file)
        , m_problems(problems)
    {
    }

    void addLine(const DanishLine &line)
    {
        if (!TreeLines::firstOccurrence(m_file, line, m_seen, m_problems))
            return;
        if (TreeLines::isRoot(line)) {
            m_nodes.append(TreeLines::root(m_file, line, QStringLiteral("HTML"), m_problems));
        } else if (TreeLines::isCategory(line)) {
            m_nodes.append(TreeLines::category(m_file, line, FolderKind, m_problems));
            m_element.clear();
            m_folderKind = 0;
        } else if (line.key.startsWith(QLatin1Char('{'))) {
            addFolder(line);
        } else if (line.key.startsWith(QLatin1String("*/"))) {
            addSharedAttribute(line);
        } else if (line.key.contains(QLatin1Char('/'))) {
            addAttribute(line);
        } else {
            addElement(line);
        }
    }

    // Facts that ship but found no line.
    void checkEverythingDescribed()
    {
        for (const QString &element : std::as_const(m_shippedElements)) {
            for (const AttributeFact &attribute : m_facts.attributesOf.value(element)) {
                const QString key = element + QLatin1Char('/') + attribute.name;
                if (!m_seen.contains(key))
                    m_problems.add(attribute.place, key,
                                   QStringLiteral("ships with its element but has no line in %1").arg(DanishFileName));
            }
        }
        for (const QString &name : m_facts.globalOrder) {
            if (!m_seen.contains(QLatin1String("*/") + name))
                m_problems.add(m_facts.globals[name].place, name, QStringLiteral("has no line in %1").arg(DanishFileName));
        }
        for (const QString &name : m_facts.eventOrder) {
            if (!m_seen.contains(QLatin1String("*/") + name))
                m_problems.add(m_facts.events[name].place, name, QStringLiteral("has no line in %1").arg(DanishFileName));
        }
    }

    QList<PlannedNode> &nodes() { return m_nodes; }
    const QStringList &shippedElements() const { return m_shippedElements; }
    const QStringList &shippedGlobals() const { return m_shippedGlobals; }
    const QStringList &shippedEvents() const { return m_shippedEvents; }

private:
    PlannedNode node(const DanishLine &line, int level, int kind)
    {
        PlannedNode node{level, {}, m_file.placeOf(line), line.key};
        node.record.Kind = kind;
        return node;
    }

    QString description(const DanishLine &line, int index = 0)
    {
        return TreeLines::requiredText(m_file, line, index, QStringLiteral("description"), m_problems);
    }

    void refuse(const DanishLine &line, const QString &why) { m_problems.add(m_file.placeOf(line), line.key, why); }

    void addElement(const DanishLine &line)
    {
        const auto fact = m_facts.elements.constFind(line.key);
        if (fact == m_facts.elements.constEnd())
            return refuse(line, QStringLiteral("is not an element of the facts"));
        PlannedNode element = node(line, 2, fact->isChecked ? CheckedElementKind : ElementKind);
        element.record.Name = line.key;
        element.record.Code = elementCode(line.key, *fact);
        element.record.Description = description(line);
        m_nodes.append(element);
        m_element = line.key;
        m_folderKind = 0;
        m_shippedElements.append(line.key);
    }

    void addAttribute(const DanishLine &line)
    {
        const QString element = line.key.section(QLatin1Char('/'), 0, 0);
        const QString name = line.key.section(QLatin1Char('/'), 1);
        const QList<AttributeFact> facts = m_facts.attributesOf.value(element);
        const auto fact = std::find_if(facts.cbegin(), facts.cend(), [&](const AttributeFact &f) { return f.name == name; });
        if (fact == facts.cend())
            return refuse(line, QStringLiteral("is not an attribute of the facts"));
        if (element != m_element)
            return refuse(line, QStringLiteral("does not follow its element's line"));
        PlannedNode attribute = node(line, 3, AttributeKind);
        attribute.record.Element = element;
        attribute.record.Name = name;
        attribute.record.Values = fact->values;
        attribute.record.Code = attributeCode(element, name, fact->values);
        attribute.record.Description = description(line);
        m_nodes.append(attribute);
    }

    void addFolder(const DanishLine &line)
    {
        const QString inner = line.key.mid(1, line.key.size() - 2);
        bool isNumber = false;
        const int kind = inner == QLatin1String("*") ? GlobalAttributeKind : inner.toInt(&isNumber);
        const bool known = kind == GlobalAttributeKind || (isNumber && kind >= FirstEventKind && kind <= LastEventKind);
        if (!line.key.endsWith(QLatin1Char('}')) || !known)
            return refuse(line, QStringLiteral("is neither {*} nor an event group {1701}-{1799}"));
        PlannedNode folder = node(line, 2, FolderKind);
        folder.record.Code = TreeLines::requiredText(m_file, line, 0, QStringLiteral("caption"), m_problems);
        folder.record.Name = folder.record.Code;
        folder.record.Description = description(line, 1);
        m_nodes.append(folder);
        m_element.clear();
        m_folderKind = kind;
    }

    void addSharedAttribute(const DanishLine &line)
    {
        const QString name = line.key.mid(2);
        PlannedNode attribute = node(line, 3, m_folderKind);
        attribute.record.Name = name;
        if (const auto global = m_facts.globals.constFind(name); global != m_facts.globals.constEnd()) {
            if (m_folderKind != GlobalAttributeKind)
                return refuse(line, QStringLiteral("is a global attribute outside the {*} folder"));
            attribute.record.Values = global->values;
            attribute.record.Code = attributeCode({}, name, global->values);
            m_shippedGlobals.append(name);
        } else if (const auto event = m_facts.events.constFind(name); event != m_facts.events.constEnd()) {
            if (m_folderKind != event->kind)
                return refuse(line, QStringLiteral("is an event of kind %1 outside its {%1} folder").arg(event->kind));
            attribute.record.Values = QStringLiteral("[script]");
            attribute.record.Code = attributeCode({}, name, {});
            m_shippedEvents.append(name);
        } else {
            return refuse(line, QStringLiteral("is neither a global attribute nor an event of the facts"));
        }
        attribute.record.Description = description(line);
        m_nodes.append(attribute);
    }

    const HtmlFacts &m_facts;
    const DanishFile &m_file;
    BuildProblems &m_problems;
    QList<PlannedNode> m_nodes;
    QHash<QString, int> m_seen;
    QString m_element; // the element whose attributes may follow
    int m_folderKind = 0; // the {...} folder whose shared attributes may follow
    QStringList m_shippedElements;
    QStringList m_shippedGlobals;
    QStringList m_shippedEvents;
};

} // namespace

HtmlLibrary assemble(const QString &folder, const DialogHelp &help, BuildProblems &problems)
{
    const HtmlFacts facts = HtmlFactTables::read(folder, problems);
    const DanishFile file = SourceFiles::readDanish(folder, DanishFileName, problems);
    Assembler assembler(facts, file, problems);
    for (const DanishLine &line : file.lines)
        assembler.addLine(line);
    assembler.checkEverythingDescribed();

    HtmlLibrary library;
    library.nodes = assembler.nodes();
    QSet<QString> entries;
    for (PlannedNode &node : library.nodes) {
        entries.insert(node.entry);
        if (const auto assigned = help.keyOfEntry.constFind(node.entry); assigned != help.keyOfEntry.constEnd())
            node.record.HelpKey = assigned->key;
    }
    for (const PlannedNode &node : help.folder) {
        if (node.level == 3) // the help-only entries; the folder itself is no entry to point at
            entries.insert(node.entry);
    }
    library.nodes.append(help.folder);
    DialogHelpSources::checkAssigned(help, entries, problems);

    QStringList realElements; // the declaration and the comment take no attributes or events
    for (const QString &element : assembler.shippedElements()) {
        if (!element.startsWith(QLatin1Char('!')))
            realElements.append(element);
    }
    library.eventMap = HtmlTextMaps::eventMap(facts, assembler.shippedEvents(), realElements);
    library.globalMap = HtmlTextMaps::globalMap(facts, assembler.shippedGlobals(), assembler.shippedElements());
    return library;
}

} // namespace HtmlLibraryAssembly
