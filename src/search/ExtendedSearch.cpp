#include "search/ExtendedSearch.h"

#include "documents/DocumentList.h"
#include "editor/EditableText.h"
#include "files/FileClasses.h"
#include "projects/ProjectTree.h"
#include "search/FileReplace.h"
#include "search/TextMatches.h"

#include <QDir>
#include <QFileInfo>

namespace {

int openIndexOf(DocumentList &documents, const QString &path)
{
    for (int index = 0; index < documents.count(); ++index)
        if (documents.at(index).path.compare(path, Qt::CaseInsensitive) == 0)
            return index;
    return -1;
}

bool isSearchedPage(const QFileInfo &file, const QString &htmlFilter)
{
    return !file.fileName().contains(QLatin1Char('~')) && FileClasses::isHtmlFile(file.filePath(), htmlFilter);
}

QList<int> openDocumentsOf(const SearchScope &scope, DocumentList &documents, QStringList &closedFiles)
{
    QList<int> open;
    if (scope.openDocuments) {
        for (int index = 0; index < documents.count(); ++index)
            open.append(index);
        return open;
    }
    for (const QString &path : scope.files) {
        const int index = openIndexOf(documents, path);
        if (index < 0)
            closedFiles.append(path);
        else if (!open.contains(index))
            open.append(index);
    }
    return open;
}

} // namespace

QStringList htmlFilesOf(const QString &folder, const QString &htmlFilter)
{
    QStringList files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        const QString path = dir.filePath(name);
        if (isSearchedPage(QFileInfo(path), htmlFilter))
            files.append(path);
    }
    return files;
}

QStringList htmlFilesOf(const ProjectTree &projects, int project, const QString &htmlFilter)
{
    QStringList files;
    const int count = int(projects.documents(project).size());
    for (int document = 0; document < count; ++document) {
        const QFileInfo file(projects.documentPath(project, document));
        if (file.isFile() && isSearchedPage(file, htmlFilter))
            files.append(file.filePath());
    }
    return files;
}

QList<SearchSource> sourcesOf(const SearchScope &scope, DocumentList &documents)
{
    QStringList closedFiles;
    QList<SearchSource> sources;
    for (const int index : openDocumentsOf(scope, documents, closedFiles)) {
        const Document &document = documents.at(index);
        sources.append(SearchSource::document(document.name(), *document.text));
    }
    for (const QString &path : closedFiles)
        sources.append(SearchSource::file(path));
    return sources;
}

ReplaceReport replaceInScope(const SearchScope &scope, DocumentList &documents, const SearchQuery &query,
                             const QString &replacement, bool backup, const std::atomic_bool *stop)
{
    QStringList closedFiles;
    ReplaceReport report;
    for (const int index : openDocumentsOf(scope, documents, closedFiles)) {
        if (stop && stop->load())
            return report;
        const Document &document = documents.at(index);
        EditableText &text = *document.text;
        if (text.IsReadOnly())
            continue;
        int count = 0;
        const QString replaced = replaceMatches(text.GetText(), query, replacement, count);
        if (count > 0) {
            text.beginEdit();
            text.SelectAll();
            text.ReplaceSelection(replaced);
            text.endEdit();
        }
        report.files.append({document.name(), count, {}});
    }
    report.files.append(replaceInFiles(closedFiles, query, replacement, backup, stop).files);
    return report;
}
