#include "dialogs/element/ReferenceChoosers.h"

#include "core/OptionsModel.h"
#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "documents/DocumentList.h"
#include "editor/EditableText.h"
#include "filepanel/TfrmEgenskaber.h"
#include "html/DocumentReferences.h"
#include "html/DocumentTitle.h"
#include "workbench/CommandRegistry.h"
#include "workbench/Workbench.h"

#include <QAction>
#include <QFileInfo>

namespace {

constexpr int LinkEntry = 2; // a href
constexpr int AreaEntry = 3; // area href
constexpr int TargetEntry = 11; // a name

ReferenceMasks masksOf(const SettingsOptions &options)
{
    return {options.htmlFilter, options.scriptFilter};
}

} // namespace

QList<LinkItem> choosePageLinks(Workbench &workbench, QWidget *parent)
{
    const SettingsOptions &options = workbench.options().options();
    Prompter::FileDialog dialog;
    dialog.caption = QStringLiteral("HTML-dokumenter");
    const QString document = workbench.documents().active().path;
    if (!document.isEmpty())
        dialog.folder = QFileInfo(document).absolutePath();
    dialog.filters = {{QStringLiteral("HTML-dokumenter"), options.htmlFilter},
                      {QStringLiteral("Alle filer"), QStringLiteral("*")}};
    const QString file = workbench.prompter().openFile(dialog);
    if (file.isEmpty())
        return {};
    QList<LinkItem> rows;
    ScanLinks(file, ReferenceScan(LinkEntry, AreaEntry, masksOf(options)), rows);
    return ChooseReferences(TfrmEgenskaber::Mode::LinkList, rows, DocumentTitle(file),
                            QStringLiteral("Henvisninger i %1").arg(QFileInfo(file).fileName()), options, workbench.prompter(),
                            parent);
}

QList<LinkItem> chooseInternalTargets(Workbench &workbench, QWidget *parent)
{
    DocumentList &documents = workbench.documents();
    if (documents.active().text->IsModified()) {
        const Prompter::Button answer = workbench.prompter().message(
            {QStringLiteral("Internt mål"), Product::Name + QStringLiteral(" gemmer det aktive dokument."),
             Prompter::Icon::Information, Prompter::Ok | Prompter::Cancel});
        if (answer != Prompter::Ok)
            return {};
        workbench.commands().require(QStringLiteral("actGem")).trigger();
        if (documents.active().text->IsModified())
            return {};
    }
    const Document &document = documents.active();
    const SettingsOptions &options = workbench.options().options();
    QList<LinkItem> rows;
    const QString folder = document.path.isEmpty() ? QString() : QFileInfo(document.path).absolutePath();
    ScanLinksInText(document.text->GetText(), folder, ReferenceScan(TargetEntry, TargetEntry, masksOf(options)), rows);
    const QString name = document.path.isEmpty() ? document.caption : QFileInfo(document.path).fileName();
    return ChooseReferences(TfrmEgenskaber::Mode::Target, rows, DocumentTitle(document.path, document.text),
                            QStringLiteral("Interne mål i ") + name, options, workbench.prompter(), parent);
}
