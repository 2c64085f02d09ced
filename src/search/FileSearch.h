#pragma once

#include "search/SearchQuery.h"
#include "search/TextMatches.h"

#include <QList>
#include <QString>

#include <atomic>
#include <functional>

class EditableText;

// Something searched: a file on disk, or the text of an open document as it
// stands in its editor.
struct SearchSource
{
    QString name; // the file's path, or the document's tab caption
    QString path; // empty for a document
    QString text; // a document's text, taken when the source is made

    static SearchSource file(const QString &path);
    static SearchSource document(const QString &name, const EditableText &editor);
    bool isFile() const { return !path.isEmpty(); }
};

// What one source gave.
struct SourceMatches
{
    QString name;
    QList<SearchMatch> matches;
    QString problem; // why a file could not be searched; empty when it was
};

// How a run reports and is stopped. Every callback is called in the thread
// that runs the search.
struct SearchRun
{
    // Each source's matches, in the order of the sources, those without any too.
    std::function<void(const SourceMatches &)> found;
    std::function<void(int done, int total)> progress;
    // Set from any thread to stop before the next source is reported.
    const std::atomic_bool *stop = nullptr;
};

// Searches the sources on every core: each file is read and decoded once and
// lines are counted only where something matched. Every file is searched as
// the name given, so names that differ in case are different files. False
// when stopped before the end.
bool searchSources(const QList<SearchSource> &sources, const SearchQuery &query, const SearchRun &run);
