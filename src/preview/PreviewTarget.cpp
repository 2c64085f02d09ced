#include "preview/PreviewTarget.h"

#include "core/SettingsOptions.h"
#include "documents/DocumentList.h"
#include "editor/EditableText.h"
#include "preview/LocalServerMapping.h"
#include "preview/TemporaryCopy.h"

namespace {

// Saves the active document; its file, or nothing when the user cancelled.
std::optional<QString> savedActiveFile(PreviewSources &sources)
{
    const int tab = sources.documents.activeIndex();
    if (!sources.save(tab) || sources.documents.at(tab).path.isEmpty())
        return std::nullopt;
    return sources.documents.at(tab).path;
}

std::optional<QString> activeCopy(PreviewSources &sources, QString *failure)
{
    const int tab = sources.documents.activeIndex();
    const Document &document = sources.documents.at(tab);
    return sources.copy.write(document.path, tab, sources.scratchFolder, document.text->GetText(), document.encoding, failure);
}

std::optional<QString> onLocalServer(std::optional<QString> target, const ProgramPathOptions &options)
{
    if (target && options.useLocalServer)
        return MapToLocalServer(*target, options.serverFolder, options.localServer);
    return target;
}

} // namespace

std::optional<QString> externalPreviewTarget(PreviewSources &sources, const ProgramPathOptions &options, QString *failure)
{
    if (failure)
        failure->clear();
    DocumentList &documents = sources.documents;
    if (options.saveBeforeBrowsing) {
        std::optional<QString> target = savedActiveFile(sources);
        const int master = documents.masterIndex();
        if (target && master >= 0 && master < documents.count() && !documents.at(master).path.isEmpty())
            target = documents.at(master).path;
        return onLocalServer(target, options);
    }
    const Document &active = documents.active();
    if (!active.path.isEmpty() && !active.text->IsModified())
        return onLocalServer(active.path, options);
    return onLocalServer(activeCopy(sources, failure), options);
}

std::optional<QString> internalPreviewTarget(PreviewSources &sources, const ProgramPathOptions &options, QString *failure)
{
    if (failure)
        failure->clear();
    if (options.saveBeforeBrowsing)
        return onLocalServer(savedActiveFile(sources), options);
    return onLocalServer(activeCopy(sources, failure), options);
}
