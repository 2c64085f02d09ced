#pragma once

#include <QString>

#include <functional>
#include <optional>

class DocumentList;
class TemporaryCopy;
struct ProgramPathOptions;

// What choosing the page a browser opens works on: the documents, the one
// temporary copy, where a never-saved document's copy goes, and the save
// command, which answers false when the user cancelled or the save failed
// (it tells the user itself).
struct PreviewSources
{
    DocumentList &documents;
    TemporaryCopy &copy;
    QString scratchFolder;
    std::function<bool(int tab)> save;
};

// The file or address an external browser opens for the active document:
// with saving first, the master page's file when one with a file is marked,
// else the active document's; otherwise the active document's file when it
// is saved and unmodified, else a temporary copy of its text. Addresses on
// the local server replace files below its root when it is in use.
// Nothing when the user cancelled a save, or a copy could not be written:
// `failure` then holds the message for the user (empty after a cancel).
std::optional<QString> externalPreviewTarget(PreviewSources &sources, const ProgramPathOptions &options,
                                             QString *failure = nullptr);

// The same for the internal browser, which always shows the active document
// itself: its file after saving first, else always a temporary copy.
std::optional<QString> internalPreviewTarget(PreviewSources &sources, const ProgramPathOptions &options,
                                             QString *failure = nullptr);
