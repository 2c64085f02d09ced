#include "search/FileSearch.h"

#include "editor/EditableText.h"
#include "html/CharacterReferences.h"
#include "search/BytePrefilter.h"
#include "search/FileText.h"
#include "search/Utf8LineSearch.h"

#include <QtConcurrent/QtConcurrentMap>

namespace {

SourceMatches searchOne(const SearchSource &source, const SearchQuery &query, const BytePrefilter &filter)
{
    SourceMatches result;
    result.name = source.name;
    if (!source.isFile()) {
        result.matches = findMatches(source.text, query);
        return result;
    }
    // Each thread reads every file into the same memory: fresh memory for
    // each file costs more than reading it.
    thread_local QByteArray bytes;
    if (!readDocumentBytes(source.path, bytes)) {
        result.problem = unreadableReason(source.path);
        return result;
    }
    if (!filter.mayMatch(bytes))
        return result;
    if (!query.referencesAsLetters) {
        const FileEncoding encoding = detectFileEncoding(bytes);
        if (encoding != FileEncoding::Windows1252) {
            // Past the byte order mark, if any.
            const QByteArrayView utf8 = QByteArrayView(bytes).sliced(encoding == FileEncoding::Utf8WithBom ? 3 : 0);
            if (std::optional<QList<SearchMatch>> matches = findMatchesInUtf8(utf8, query, filter)) {
                result.matches = std::move(*matches);
                return result;
            }
        }
    }
    FileText file = decodeFileText(bytes);
    if (query.referencesAsLetters)
        file.text = ReferencesToDanish(file.text);
    result.matches = findMatches(file.text, query);
    return result;
}

} // namespace

SearchSource SearchSource::file(const QString &path)
{
    return {path, path, QString()};
}

SearchSource SearchSource::document(const QString &name, const EditableText &editor)
{
    return {name, QString(), editor.GetText()};
}

bool searchSources(const QList<SearchSource> &sources, const SearchQuery &query, const SearchRun &run)
{
    if (query.text.isEmpty())
        return true;
    const BytePrefilter filter(query);
    QFuture<SourceMatches> results = QtConcurrent::mapped(
        sources, [&query, &filter](const SearchSource &source) { return searchOne(source, query, filter); });
    const int total = int(sources.size());
    for (int at = 0; at < total; ++at) {
        if (run.stop && run.stop->load()) {
            results.cancel();
            results.waitForFinished();
            return false;
        }
        if (run.found)
            run.found(results.resultAt(at));
        if (run.progress)
            run.progress(at + 1, total);
    }
    return true;
}
