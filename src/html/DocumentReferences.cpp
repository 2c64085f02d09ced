#include "html/DocumentReferences.h"

#include "files/FileText.h"
#include "files/RelativePaths.h"

#include <QFileInfo>

namespace {

// Past the link entries the scanner follows stylesheets into their text.
constexpr int LastLinkEntry = 5;

bool isWebAddress(const QString &address)
{
    return address.contains(QLatin1String("http"), Qt::CaseInsensitive);
}

ReferenceRow rowIn(const QString &folder, LinkItem link)
{
    ReferenceRow row;
    if (!isWebAddress(link.target))
        row.file = ResolvePath(folder, link.target);
    row.link = std::move(link);
    return row;
}

QList<ReferenceRow> urlRows(const QString &path, const QString &owner, const QString &htmlFilter)
{
    QList<ReferenceRow> rows;
    const std::optional<QString> text = readFileText(path);
    if (!text)
        return rows;
    const QString folder = QFileInfo(path).absolutePath();
    for (LinkItem &link : StylesheetUrlReferences(*text, folder, owner, htmlFilter))
        rows.append(rowIn(folder, std::move(link)));
    return rows;
}

} // namespace

QList<ReferenceRow> ScanReferenceRows(const QString &path, int first, int last, const ReferenceMasks &masks)
{
    const std::optional<QString> text = readFileText(path);
    if (!text)
        return {};
    const QString folder = QFileInfo(path).absolutePath();
    QList<ReferenceRow> rows;
    // The link entries are scanned without the stylesheets' own references,
    // which are added here with the folder of their stylesheet.
    QList<LinkItem> links;
    ScanLinksInText(*text, folder, ReferenceScan(first, qMin(last, LastLinkEntry), masks), links);
    for (LinkItem &link : links) {
        const bool stylesheet = link.icon == LinkIcon::Stylesheet && last > LastLinkEntry;
        rows.append(rowIn(folder, std::move(link)));
        if (stylesheet && !rows.last().file.isEmpty())
            rows += urlRows(rows.last().file, rows.last().link.target, masks.htmlFilter);
    }
    if (last > LastLinkEntry) {
        QList<LinkItem> resources;
        ScanLinksInText(*text, folder, ReferenceScan(qMax(first, LastLinkEntry + 1), last, masks), resources);
        for (LinkItem &link : resources)
            rows.append(rowIn(folder, std::move(link)));
    }
    return rows;
}

QList<ReferenceRow> OwnUrlReferences(const QString &path, const ReferenceMasks &masks)
{
    return urlRows(path, QFileInfo(path).fileName(), masks.htmlFilter);
}

QList<ReferenceRow> DocumentReferences(const QString &path, const ReferenceMasks &masks)
{
    QList<ReferenceRow> rows = OwnUrlReferences(path, masks);
    rows += ScanReferenceRows(path, 1, 10, masks);
    return rows;
}

LinkScan ReferenceScan(int first, int last, const ReferenceMasks &masks)
{
    LinkScan scan;
    scan.first = first;
    scan.last = last;
    scan.htmlFilter = masks.htmlFilter;
    scan.scriptFilter = masks.scriptFilter;
    return scan;
}
