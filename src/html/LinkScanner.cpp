#include "html/LinkScanner.h"

#include "files/FileClasses.h"
#include "files/FileText.h"
#include "files/FileTexts.h"
#include "files/RelativePaths.h"
#include "html/AttributeText.h"
#include "html/CharacterReferences.h"

#include <QFileInfo>
#include <QSet>

namespace {

enum class EntryKind { Frame, Link, Fixed, InternalTarget };

struct Entry
{
    QLatin1String element;
    QLatin1String attribute;
    EntryKind kind;
    QLatin1String fixedKind; // for EntryKind::Fixed
    LinkIcon icon;
    QLatin1String descriptionAttribute; // empty: none (or the link text for "a")
};

constexpr int EntryCount = 11;
constexpr int LastLinkEntry = 5;

const Entry Entries[EntryCount] = {
    {QLatin1String("frame"), QLatin1String("src"), EntryKind::Frame, {}, LinkIcon::Frame, QLatin1String("name")},
    {QLatin1String("a"), QLatin1String("href"), EntryKind::Link, {}, LinkIcon::Web, {}},
    {QLatin1String("area"), QLatin1String("href"), EntryKind::Link, {}, LinkIcon::Web, QLatin1String("alt")},
    {QLatin1String("link"), QLatin1String("href"), EntryKind::Link, {}, LinkIcon::Web, {}},
    {QLatin1String("script"), QLatin1String("src"), EntryKind::Link, {}, LinkIcon::Web, {}},
    {QLatin1String("img"), QLatin1String("src"), EntryKind::Fixed, QLatin1String("Grafik"), LinkIcon::Image,
     QLatin1String("alt")},
    {QLatin1String("body"), QLatin1String("background"), EntryKind::Fixed, QLatin1String("Grafik"), LinkIcon::Image, {}},
    {QLatin1String("embed"), QLatin1String("src"), EntryKind::Fixed, QLatin1String("Embed"), LinkIcon::Embed, {}},
    {QLatin1String("applet"), QLatin1String("code"), EntryKind::Fixed, QLatin1String("Applet"), LinkIcon::Applet, {}},
    {QLatin1String("object"), QLatin1String("data"), EntryKind::Fixed, QLatin1String("ActiveX"), LinkIcon::Object, {}},
    {QLatin1String("a"), QLatin1String("name"), EntryKind::InternalTarget, {}, LinkIcon::Internal, {}},
};

bool containsHttp(const QString &value)
{
    return value.contains(QLatin1String("http"), Qt::CaseInsensitive);
}

// The file name a reference ends in, without its query or fragment.
QString referencedName(const QString &value)
{
    qsizetype end = value.size();
    for (const QChar stop : {u'?', u'#'}) {
        const qsizetype at = value.indexOf(stop);
        if (at >= 0 && at < end)
            end = at;
    }
    const QStringView path = QStringView(value).left(end);
    const qsizetype slash = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(slash + 1).toString();
}

QString extensionOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1).toLower();
}

// Without a folder no file is looked at.
QString sizeText(const QString &folder, const QString &value)
{
    if (folder.isEmpty())
        return QString();
    const QFileInfo file(ResolvePath(folder, value));
    return FormatSize(file.isFile() ? file.size() : -1);
}

// The file classes a scan tells references apart by, compiled once per scan.
struct FileKinds
{
    FileKinds(const QString &scriptFilter, const QString &htmlFilter)
        : script(scriptFilter)
        , html(htmlFilter)
    {
    }

    FileClasses::MaskList script;
    FileClasses::MaskList html;
    FileClasses::MaskList sound{FileClasses::SoundMasks};
    FileClasses::MaskList image{FileClasses::ImageMasks};
};

struct LinkClass
{
    QLatin1String kind;
    LinkIcon icon;
    bool local; // names a file beside the page
};

// The kind of a link's reference, or nothing when the scan for resources
// passes over it.
std::optional<LinkClass> classifyLink(const QString &value, const LinkScan &scan, const FileKinds &kinds)
{
    const QString name = referencedName(value);
    const QString extension = extensionOf(name);
    const bool download = extension == QLatin1String("exe") || extension == QLatin1String("zip") || kinds.sound.matches(name);
    const bool text = extension == QLatin1String("txt");
    const bool stylesheet = extension == QLatin1String("css");
    const bool script = kinds.script.matches(name);
    if (scan.resourcesOnly && !(download || text || stylesheet || script))
        return std::nullopt;
    if (containsHttp(value) && !download)
        return LinkClass{QLatin1String("Web"), LinkIcon::Web, false};
    if (value.startsWith(u'#'))
        return LinkClass{QLatin1String("Intern"), LinkIcon::Internal, false};
    if (value.contains(QLatin1String("mailto"), Qt::CaseInsensitive))
        return LinkClass{QLatin1String("E-mail"), LinkIcon::Email, false};
    if (download || text)
        return LinkClass{QLatin1String("Lokal"), LinkIcon::LocalFile, true};
    if (script)
        return LinkClass{QLatin1String("Skript"), LinkIcon::Script, true};
    if (stylesheet)
        return LinkClass{QLatin1String("Typografiark"), LinkIcon::Stylesheet, true};
    return LinkClass{QLatin1String("Lokal"), LinkIcon::LocalFile, true};
}

// Appends rows, passing over targets already listed when asked to.
class TargetList
{
public:
    TargetList(QList<LinkItem> &targets, bool skipDuplicates)
        : m_targets(targets)
        , m_skipDuplicates(skipDuplicates)
    {
        if (skipDuplicates) {
            for (const LinkItem &item : targets)
                m_listed.insert(item.target);
        }
    }

    bool listed(const QString &target) const { return m_skipDuplicates && m_listed.contains(target); }

    void add(LinkItem item)
    {
        if (m_skipDuplicates)
            m_listed.insert(item.target);
        m_targets.append(std::move(item));
    }

private:
    QList<LinkItem> &m_targets;
    bool m_skipDuplicates;
    QSet<QString> m_listed;
};

// Where `what` stands next at or after a position, for positions that only
// grow: one search answers many asks, so a scan stays linear. The end of the
// text when it stands nowhere further.
class NextOccurrence
{
public:
    NextOccurrence(const QString &text, QLatin1String what)
        : m_text(text)
        , m_what(what)
    {
    }

    qsizetype from(qsizetype position)
    {
        if (m_found < position) {
            const qsizetype at = m_text.indexOf(m_what, position, Qt::CaseInsensitive);
            m_found = at < 0 ? m_text.size() : at;
        }
        return m_found;
    }

private:
    const QString &m_text;
    QLatin1String m_what;
    qsizetype m_found = -1;
};

QList<LinkItem> urlReferences(const QString &text, const QString &folder, const QString &owner, const FileKinds &kinds)
{
    QList<LinkItem> references;
    const QLatin1String opening("url(");
    qsizetype at = text.indexOf(opening, 0, Qt::CaseInsensitive);
    while (at >= 0) {
        const qsizetype from = at + opening.size();
        const qsizetype close = text.indexOf(u')', from);
        const qsizetype end = close < 0 ? text.size() : close;
        QString value = text.mid(from, end - from).trimmed();
        if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
            value = value.mid(1, value.size() - 2).trimmed();
        at = close < 0 ? -1 : text.indexOf(opening, close, Qt::CaseInsensitive);
        if (value.isEmpty())
            continue;
        LinkItem item;
        item.target = value;
        item.description = QStringLiteral("[Typografiark-URL]");
        const QString name = referencedName(value);
        if (kinds.image.matches(name)) {
            item.kind = QStringLiteral("Grafik");
            item.icon = LinkIcon::Image;
        } else {
            item.kind = kinds.html.matches(name) ? QStringLiteral("Lokal") : owner;
            item.icon = LinkIcon::LocalFile;
        }
        item.size = sizeText(folder, value);
        references.append(item);
    }
    return references;
}

void addStylesheetReferences(const QString &value, const QString &folder, const FileKinds &kinds, TargetList &list)
{
    if (folder.isEmpty())
        return;
    const QString path = ResolvePath(folder, value);
    const std::optional<QString> text = readFileText(path);
    if (!text)
        return;
    for (LinkItem &item : urlReferences(*text, QFileInfo(path).path(), value, kinds)) {
        if (!list.listed(item.target))
            list.add(std::move(item));
    }
}

void scanEntry(const Entry &entry, const QString &text, const QString &folder, const LinkScan &scan, const FileKinds &kinds,
               TargetList &list)
{
    const QString opening = QLatin1Char('<') + entry.element + QLatin1Char(' ');
    NextOccurrence linkEnd(text, QLatin1String("</a>"));
    qsizetype at = text.indexOf(opening, 0, Qt::CaseInsensitive);
    while (at >= 0) {
        const qsizetype close = text.indexOf(u'>', at + opening.size());
        const qsizetype tagEnd = close < 0 ? text.size() : close + 1;
        const qsizetype next = text.indexOf(opening, tagEnd, Qt::CaseInsensitive);
        const QString tag = text.mid(at, tagEnd - at);
        const QString value = AttributeValue(tag, entry.attribute);
        at = next;
        if (value.isEmpty())
            continue;

        LinkItem item;
        item.target = entry.kind == EntryKind::InternalTarget ? QStringLiteral("#%1").arg(value) : value;
        if (list.listed(item.target))
            continue;
        item.icon = entry.icon;
        if (!entry.descriptionAttribute.isEmpty()) {
            item.description = AttributeValue(tag, entry.descriptionAttribute);
        } else if (entry.kind == EntryKind::Link && entry.element == QLatin1String("a")) {
            // The link text runs to "</a>"; a following link ends it too.
            const qsizetype textEnd = qMin(linkEnd.from(tagEnd), next < 0 ? text.size() : next);
            item.description = text.mid(tagEnd, textEnd - tagEnd).trimmed();
        }
        item.description = ReferencesToDanish(item.description);

        bool stylesheet = false;
        switch (entry.kind) {
        case EntryKind::Frame:
            item.kind = containsHttp(value) ? QStringLiteral("Ramme (w)") : QStringLiteral("Ramme (l)");
            item.size = containsHttp(value) ? QString() : sizeText(folder, value);
            break;
        case EntryKind::Link: {
            const std::optional<LinkClass> link = classifyLink(value, scan, kinds);
            if (!link)
                continue;
            item.kind = link->kind;
            item.icon = link->icon;
            if (scan.resourcesOnly && link->local)
                item.size = sizeText(folder, value);
            stylesheet = link->icon == LinkIcon::Stylesheet;
            break;
        }
        case EntryKind::Fixed:
            item.kind = entry.fixedKind;
            item.size = containsHttp(value) ? QString() : sizeText(folder, value);
            break;
        case EntryKind::InternalTarget:
            item.kind = QStringLiteral("Internt mål");
            break;
        }
        list.add(item);
        if (stylesheet && scan.last > LastLinkEntry)
            addStylesheetReferences(value, folder, kinds, list);
    }
}

} // namespace

void ScanLinksInText(const QString &text, const QString &folder, const LinkScan &scan, QList<LinkItem> &targets)
{
    TargetList list(targets, scan.skipDuplicates);
    const FileKinds kinds(scan.scriptFilter, scan.htmlFilter);
    const int first = qMax(scan.first, 1);
    const int last = qMin(scan.last, EntryCount);
    for (int entry = first; entry <= last; ++entry)
        scanEntry(Entries[entry - 1], text, folder, scan, kinds, list);
}

void ScanLinks(const QString &file, const LinkScan &scan, QList<LinkItem> &targets)
{
    const std::optional<QString> text = readFileText(file);
    if (!text)
        return;
    ScanLinksInText(*text, QFileInfo(file).absolutePath(), scan, targets);
}

QList<LinkItem> StylesheetUrlReferences(const QString &text, const QString &folder, const QString &owner,
                                        const QString &htmlFilter)
{
    return urlReferences(text, folder, owner, FileKinds(QString(), htmlFilter));
}
