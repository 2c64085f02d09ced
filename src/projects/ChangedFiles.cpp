#include "projects/ChangedFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QtConcurrent/QtConcurrentMap>

namespace {

enum class Finding { Missing, Unchanged, Changed, Touched };

struct FileFinding
{
    Finding finding = Finding::Missing;
    FileState state;
};

FileFinding inspect(const RecordedFile *record, const QString &path)
{
    const std::optional<FileState> state = readFileState(path);
    if (!state)
        return {};
    if (record == nullptr || record->state.size != state->size)
        return {Finding::Changed, *state};
    if (record->state.modified == state->modified)
        return {Finding::Unchanged, *state};
    // Touched only when the file kept still while it was read.
    const bool sameContent = fileSha256(path) == record->sha256 && readFileState(path) == state;
    return {sameContent ? Finding::Touched : Finding::Changed, *state};
}

} // namespace

ChangeCheck checkFiles(const QHash<QString, RecordedFile> &recorded, const QStringList &files)
{
    const QList<FileFinding> findings = QtConcurrent::blockingMapped(files, [&recorded](const QString &path) {
        const auto found = recorded.constFind(path);
        return inspect(found == recorded.constEnd() ? nullptr : &found.value(), path);
    });
    ChangeCheck check;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const FileFinding &finding = findings.at(i);
        if (finding.finding == Finding::Changed)
            check.changed.append(files.at(i));
        else if (finding.finding == Finding::Touched)
            check.touched.append(UploadedFile{files.at(i), RecordedFile{finding.state, recorded.value(files.at(i)).sha256}});
    }
    return check;
}

std::optional<QStringList> changedSincePublishing(PublishRecord &record, const QString &site, const QStringList &files)
{
    const std::optional<QHash<QString, RecordedFile>> recorded = record.siteFiles(site);
    if (!recorded)
        return std::nullopt;
    const ChangeCheck check = checkFiles(*recorded, files);
    // Keeping the touched files' times only spares work the next time, so a
    // record busy with another program's write does not fail the answer.
    if (!check.touched.isEmpty())
        record.record(site, check.touched);
    return check.changed;
}

std::optional<QSet<QString>> changedSinceLastPublished(const QString &databasePath, const QString &folder,
                                                       const QStringList &names)
{
    const QDir dir(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    QStringList files;
    for (const QString &name : names)
        files.append(dir.filePath(name));
    QHash<QString, RecordedFile> latest;
    if (QFileInfo::exists(databasePath)) {
        PublishRecord record(databasePath);
        std::optional<QHash<QString, RecordedFile>> found;
        if (!record.open() || !(found = record.latestFilesIn(dir.path())))
            return std::nullopt;
        latest = std::move(*found);
    }
    QSet<QString> changed;
    for (const QString &file : checkFiles(latest, files).changed)
        changed.insert(QFileInfo(file).fileName());
    return changed;
}

QStringList changedSinceProjectPublished(PublishRecord *record, const QString &projectTitle, const QStringList &files)
{
    if (record) {
        if (const std::optional<QString> site = record->siteForTitle(projectTitle)) {
            if (std::optional<QStringList> changed = changedSincePublishing(*record, *site, files))
                return *changed;
        }
    }
    QStringList existing;
    for (const QString &file : files) {
        if (readFileState(file))
            existing.append(file);
    }
    return existing;
}
