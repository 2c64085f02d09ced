#pragma once

#include "search/FileReplace.h"
#include "search/FileSearch.h"
#include "search/SearchQuery.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

class DocumentList;
class ProjectTree;

// Where the extended search and replace look: the open documents, or the
// files of a set (a folder's or a project's web pages). A file that is open
// in a tab is taken as that open document.
struct SearchScope
{
    bool openDocuments = true;
    QStringList files;
};

// The web pages of a folder, not its subfolders, without the program's
// temporary copies (names holding "~").
QStringList htmlFilesOf(const QString &folder, const QString &htmlFilter);

// The web pages among a project's documents, in the project's order, without
// the program's temporary copies and the documents whose file is missing.
QStringList htmlFilesOf(const ProjectTree &projects, int project, const QString &htmlFilter);

// The sources of a scope: the open documents' editor texts, in tab order, and
// the files not open, each as itself.
QList<SearchSource> sourcesOf(const SearchScope &scope, DocumentList &documents);

// Replaces in every source of the scope: an open document in its editor, as
// one undo step that leaves it modified (read-only documents are left
// alone), the files on disk. The report lists the documents by name.
ReplaceReport replaceInScope(const SearchScope &scope, DocumentList &documents, const SearchQuery &query,
                             const QString &replacement, bool backup, const std::atomic_bool *stop = nullptr);
