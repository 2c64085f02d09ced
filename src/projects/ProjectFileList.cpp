#include "projects/ProjectFileList.h"

#include "files/FileText.h"
#include "files/FileTexts.h"
#include "files/RelativePaths.h"
#include "html/CharacterReferences.h"
#include "html/TextBetween.h"
#include "projects/ProjectPaths.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString Unreadable = QStringLiteral("-1");

bool isListed(const QList<ProjectFileRow> &rows, const QString &path)
{
    return std::any_of(rows.cbegin(), rows.cend(), [&path](const ProjectFileRow &row) { return row.path == path; });
}

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

// What a document refers to, as written in it.
QList<LinkItem> resourcesOf(const QString &file, const ReferenceMasks &masks)
{
    LinkScan scan = ReferenceScan(2, 8, masks);
    scan.skipDuplicates = true;
    scan.resourcesOnly = true;
    QList<LinkItem> links;
    ScanLinks(file, scan, links);
    if (const std::optional<QString> text = readFileText(file))
        links += StylesheetUrlReferences(*text, QString(), QFileInfo(file).fileName(), masks.htmlFilter);
    return links;
}

} // namespace

QList<ProjectFileRow> ProjectFileList(const ProjectTree &tree, int project, const ReferenceMasks &masks,
                                      const std::function<void()> &documentDone)
{
    const QString root = tree.rootFolder(project);
    const QStringList documents = tree.documents(project);
    QList<ProjectFileRow> rows;
    for (int d = 0; d < documents.size(); ++d) {
        const QString &text = documents.at(d);
        if (!isListed(rows, text)) {
            const QString file = tree.documentPath(project, d);
            rows.append(documentRow(text, file));
            const QString folder = QFileInfo(file).path();
            for (const LinkItem &link : resourcesOf(file, masks)) {
                const QString path = isAddress(link.target) ? link.target : documentText(root, ResolvePath(folder, link.target));
                if (isListed(rows, path))
                    continue;
                rows.append(ProjectFileRow{path, link.description, link.kind, link.size, false, link.icon, false});
            }
        }
        if (documentDone)
            documentDone();
    }
    for (ProjectFileRow &row : rows)
        row.missing = !QFileInfo::exists(documentFile(root, row.path));
    return rows;
}
