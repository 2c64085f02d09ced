#include "projects/ProjectFileList.h"

#include "files/FileText.h"
#include "files/FileTexts.h"
#include "files/RelativePaths.h"
#include "html/CharacterReferences.h"
#include "html/TextBetween.h"
#include "projects/ProjectPaths.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace {

const QString Unreadable = QStringLiteral("-1");

// The scanner's entries a project's resources come from: a href to embed
// src; up to link href and script src they are links whose kind decides.
constexpr int FirstResourceEntry = 2;
constexpr int LastLinkEntry = 5;
constexpr int LastResourceEntry = 8;

// A reference with a scheme ("http:", "mailto:") names no file of the site;
// one letter and a colon is a drive.
bool isAddress(const QString &target)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(target).hasMatch();
}

ProjectFileRow documentRow(const QString &text, const QString &file)
{
    ProjectFileRow row;
    row.path = text;
    row.type = QStringLiteral("HTML");
    row.document = true;
    const QFileInfo info(file);
    if (info.exists()) {
        const QString title = TextBetweenInFile(file, QStringLiteral("<TITLE>"), QStringLiteral("</TITLE>"), false);
        row.title = title == Unreadable ? QString() : ReferencesToDanish(title);
        row.size = FormatSize(info.size());
    }
    return row;
}

ReferenceRow referenceIn(const QString &folder, LinkItem link)
{
    const QString file = isAddress(link.target) ? QString() : ResolvePath(folder, link.target);
    return ReferenceRow{std::move(link), file};
}

// The scan of the entries for resources, each reference listed once.
QList<LinkItem> scanResources(const QString &file, int first, int last, const ReferenceMasks &masks)
{
    LinkScan scan = ReferenceScan(first, last, masks);
    scan.skipDuplicates = true;
    scan.resourcesOnly = true;
    QList<LinkItem> links;
    ScanLinks(file, scan, links);
    return links;
}

void appendUrlReferences(QList<ReferenceRow> &rows, const QString &file, const QString &owner, const QString &htmlFilter)
{
    const std::optional<QString> text = readFileText(file);
    if (!text)
        return;
    const QString folder = QFileInfo(file).path();
    for (LinkItem &link : StylesheetUrlReferences(*text, folder, owner, htmlFilter))
        rows.append(referenceIn(folder, std::move(link)));
}

// What a document refers to, each with its file: a stylesheet's own "url( )"
// references follow it and are read from the stylesheet's folder, the rest
// from the document's.
QList<ReferenceRow> resourcesOf(const QString &file, const ReferenceMasks &masks)
{
    const QString folder = QFileInfo(file).path();
    QList<ReferenceRow> rows;
    for (LinkItem &link : scanResources(file, FirstResourceEntry, LastLinkEntry, masks)) {
        const bool stylesheet = link.icon == LinkIcon::Stylesheet;
        const ReferenceRow reference = referenceIn(folder, std::move(link));
        rows.append(reference);
        if (stylesheet && !reference.file.isEmpty())
            appendUrlReferences(rows, reference.file, reference.link.target, masks.htmlFilter);
    }
    for (LinkItem &link : scanResources(file, LastLinkEntry + 1, LastResourceEntry, masks))
        rows.append(referenceIn(folder, std::move(link)));
    appendUrlReferences(rows, file, QFileInfo(file).fileName(), masks.htmlFilter);
    return rows;
}

} // namespace

QList<ProjectFileRow> ProjectFileList(const ProjectTree &tree, int project, const ReferenceMasks &masks,
                                      const std::function<void()> &documentDone)
{
    const QString root = tree.rootFolder(project);
    const QStringList documents = tree.documents(project);
    QList<ProjectFileRow> rows;
    QSet<QString> listed; // the paths of the rows, compared exactly
    for (int d = 0; d < documents.size(); ++d) {
        const QString &text = documents.at(d);
        if (!listed.contains(text)) {
            listed.insert(text);
            const QString file = tree.documentPath(project, d);
            rows.append(documentRow(text, file));
            for (const ReferenceRow &reference : resourcesOf(file, masks)) {
                const LinkItem &link = reference.link;
                const QString path = reference.file.isEmpty() ? link.target : documentText(root, reference.file);
                if (!listed.contains(path)) {
                    listed.insert(path);
                    rows.append(ProjectFileRow{path, link.description, link.kind, link.size, false, link.icon, false});
                }
            }
        }
        if (documentDone)
            documentDone();
    }
    for (ProjectFileRow &row : rows) {
        row.missing = !QFileInfo::exists(documentFile(root, row.path));
        // The scanner sizes a file it cannot find as -1 bytes; a missing file has no size.
        if (row.missing)
            row.size.clear();
    }
    return rows;
}
