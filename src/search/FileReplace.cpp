#include "search/FileReplace.h"

#include "search/BytePrefilter.h"
#include "search/FileText.h"
#include "search/TextMatches.h"

#include <QFileInfo>
#include <QSet>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

namespace {

struct ReplaceJob
{
    const SearchQuery &query;
    const BytePrefilter &filter;
    const QString &replacement;
    bool backup;
    const std::atomic_bool *stop;
};

bool stopped(const std::atomic_bool *stop)
{
    return stop && stop->load();
}

FileReplacement replaceInFile(const QString &path, const ReplaceJob &job)
{
    FileReplacement result;
    result.path = path;
    QByteArray bytes;
    if (!readDocumentBytes(path, bytes)) {
        result.problem = unreadableReason(path);
        return result;
    }
    if (!job.filter.mayMatch(bytes))
        return result;
    const FileText file = decodeFileText(bytes);
    int count = 0;
    const QString text = replaceMatches(file.text, job.query, job.replacement, count);
    if (count == 0)
        return result;
    FileEncoding encoding = file.encoding;
    const QByteArray written = encodedFromUtf8(text.toUtf8(), encoding);
    if (encoding != file.encoding) {
        result.problem = QStringLiteral("Erstatningen har tegn, som filens tegnsæt (Windows-1252) ikke kan gemme.");
        return result;
    }
    // A file its owner may not write is protected, even from a user who could.
    const QFileInfo info(path);
    if (!info.isWritable() || !info.permission(QFile::WriteOwner)) {
        result.problem = QStringLiteral("Filen er skrivebeskyttet.");
        return result;
    }
    FileWriteError error;
    if (job.backup && !path.contains(QLatin1Char('~')) && !writeFileAtomically(backupPathFor(path), bytes, &error)) {
        result.problem = QStringLiteral("Backup-kopien %1 kan ikke skrives: %2.").arg(backupPathFor(path), error.reason());
        return result;
    }
    if (!writeFileAtomically(path, written, &error)) {
        result.problem = QStringLiteral("Filen kan ikke skrives: %1.").arg(error.reason());
        return result;
    }
    result.count = count;
    return result;
}

// The paths with a second naming of the same file left out: two threads must
// never write one file.
QStringList distinctFiles(const QStringList &paths)
{
    QStringList distinct;
    QSet<QString> seen;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        const QString canonical = info.canonicalFilePath();
        if (seen.contains(canonical.isEmpty() ? info.absoluteFilePath() : canonical))
            continue;
        seen.insert(canonical.isEmpty() ? info.absoluteFilePath() : canonical);
        distinct.append(path);
    }
    return distinct;
}

} // namespace

int ReplaceReport::replaced() const
{
    int count = 0;
    for (const FileReplacement &file : files)
        count += file.count;
    return count;
}

int ReplaceReport::skipped() const
{
    return int(std::count_if(files.cbegin(), files.cend(), [](const FileReplacement &file) { return !file.problem.isEmpty(); }));
}

QString backupPathFor(const QString &path)
{
    return path + QStringLiteral(".BAK");
}

ReplaceReport replaceInFiles(const QStringList &paths, const SearchQuery &query, const QString &replacement, bool backup,
                             const std::atomic_bool *stop)
{
    ReplaceReport report;
    if (query.text.isEmpty())
        return report;
    const BytePrefilter filter(query);
    const ReplaceJob job{query, filter, replacement, backup, stop};
    // Each file written waits until the disk holds it before it takes the
    // old one's place; many files waiting at once let the disk take them together.
    QThreadPool writers;
    writers.setMaxThreadCount(std::max(16, QThread::idealThreadCount()));
    const QList<std::optional<FileReplacement>> results = QtConcurrent::blockingMapped<QList<std::optional<FileReplacement>>>(
        &writers, distinctFiles(paths), [&job](const QString &path) -> std::optional<FileReplacement> {
            if (stopped(job.stop))
                return std::nullopt;
            return replaceInFile(path, job);
        });
    for (const std::optional<FileReplacement> &result : results) {
        if (result)
            report.files.append(*result);
    }
    return report;
}
