#include "dialogs/element/MediaPanelFactory.h"

#include "dialogs/element/DialogKinds.h"
#include "dialogs/element/ElementDialogSettings.h"
#include "dialogs/element/MediaFileDialogs.h"
#include "dialogs/element/MediaPanels.h"
#include "documents/DocumentList.h"
#include "files/RelativePaths.h"
#include "files/SaveFirst.h"
#include "workbench/CommandRegistry.h"
#include "workbench/Workbench.h"

#include <QAction>

namespace {

QString documentPath(Workbench &workbench)
{
    return workbench.documents().active().path;
}

// A picture relative to the document, which must have its own place first.
std::optional<ChosenFile> choosePicture(Workbench &workbench, const QString &currentFile)
{
    if (!EnsureSavedForRelativePath(
            QStringLiteral("Grafik"), [&workbench] { return !documentPath(workbench).isEmpty(); },
            [&workbench] { workbench.commands().require(QStringLiteral("actGem")).trigger(); }, workbench.prompter()))
        return std::nullopt;
    const QString document = documentPath(workbench);
    const QString chosen = workbench.prompter().openFile(pictureFileDialog(document, currentFile));
    if (chosen.isEmpty())
        return std::nullopt;
    return ChosenFile{chosen, RelativePath(document, chosen, true)};
}

std::optional<QString> chooseSound(Workbench &workbench)
{
    const QString document = documentPath(workbench);
    const QString chosen = workbench.prompter().openFile(soundFileDialog(document));
    if (chosen.isEmpty())
        return std::nullopt;
    return RelativePath(document, chosen, true);
}

} // namespace

ElementPanel *makeMediaPanel(int kind, ElementEdit &edit, Workbench &workbench, const PanelServices &services, QWidget *parent)
{
    if (kind == DialogKind::Image) {
        // An edited image keeps the border it had, or its lack of one; a new
        // one follows the last choice.
        ImageValues start = edit.EditMode ? ImageValues::fromEdit(edit) : ImageValues();
        if (!edit.EditMode)
            start.borderAlways = ElementDialogSettings::imageBorderAlways(workbench.settings());
        return new ImagePanel(
            start, documentPath(workbench), services,
            [&workbench](const QString &currentFile) { return choosePicture(workbench, currentFile); }, parent);
    }
    if (kind == DialogKind::Sound || kind == DialogKind::BackgroundSound)
        return new SoundPanel(
            edit.EditMode ? SoundValues::fromEdit(edit) : SoundValues(), services,
            [&workbench] { return chooseSound(workbench); }, parent);
    return nullptr;
}
