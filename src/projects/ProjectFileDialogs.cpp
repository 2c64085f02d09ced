#include "projects/ProjectFileDialogs.h"

#include "core/OptionsModel.h"
#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "files/FileOperations.h"
#include "projects/ChangedFiles.h"
#include "projects/ProjectPaths.h"
#include "projects/ProjectTransfer.h"
#include "projects/TfrmPrjFiler.h"
#include "workbench/BusyDisplay.h"
#include "workbench/PublishRequests.h"
#include "workbench/TFriendlyStatusBar.h"
#include "workbench/Workbench.h"

#include <QDir>

namespace {

const QString ChooseNewRootCaption = QStringLiteral("Vælg den mappe, der skal være projektets rodbibliotek.");

QSet<QString> allPaths(const QList<ProjectFileRow> &rows)
{
    QSet<QString> paths;
    for (const ProjectFileRow &row : rows)
        paths.insert(row.path);
    return paths;
}

// The root as the publishing window takes it: "/" separators and one at the end.
QString uploadRoot(const QString &root)
{
    QString folder = fileSystemPath(root);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

ProjectFileDialogs::ProjectFileDialogs(Workbench &workbench, std::function<PublishRecord *()> record,
                                       std::function<void()> treeChanged)
    : m_workbench(workbench)
    , m_record(std::move(record))
    , m_treeChanged(std::move(treeChanged))
{
}

QList<ProjectFileRow> ProjectFileDialogs::collectRows(const ProjectTree &tree, int project)
{
    TFriendlyStatusBar &status = m_workbench.status();
    const QString panelText = status.panelText(0);
    status.setPanelText(0, QStringLiteral("Projektoplysninger indsamles..."));
    QList<ProjectFileRow> rows;
    {
        const BusyDisplay busy(status.progressBar());
        const ConversionProgress progress = busy.progress();
        const qsizetype count = tree.documents(project).size();
        qsizetype done = 0;
        const SettingsOptions &options = m_workbench.options().options();
        rows = ProjectFileList(tree, project, {options.htmlFilter, options.scriptFilter}, [&] {
            if (progress)
                progress(int(++done * 100 / count));
        });
    }
    status.setPanelText(0, panelText);
    return rows;
}

void ProjectFileDialogs::showProperties(ProjectTree &tree, int project)
{
    const QList<ProjectFileRow> rows = collectRows(tree, project);
    TfrmPrjFiler dialog(TfrmPrjFiler::Mode::Properties, tree.title(project), tree.rootFolder(project), QString(),
                        &m_workbench.window());
    dialog.setRows(rows, {});
    m_workbench.prompter().runDialog(dialog);
}

void ProjectFileDialogs::upload(ProjectTree &tree, int project)
{
    const QString title = tree.title(project);
    const QString root = tree.rootFolder(project);
    const QList<ProjectFileRow> rows = collectRows(tree, project);
    QSet<QString> preTicked;
    if (m_workbench.options().options().useArchiveFlag) {
        // Only what changed since the project was last published to its site.
        QStringList files;
        QHash<QString, QString> pathOfFile;
        for (const ProjectFileRow &row : rows) {
            if (row.missing)
                continue;
            const QString file = QDir::cleanPath(documentFile(root, row.path));
            files.append(file);
            pathOfFile.insert(file, row.path);
        }
        const BusyDisplay busy;
        for (const QString &file : changedSinceProjectPublished(m_record(), title, files))
            preTicked.insert(pathOfFile.value(file));
    } else {
        preTicked = allPaths(rows);
    }
    PublishRequests &requests = m_workbench.publishRequests();
    TfrmPrjFiler dialog(TfrmPrjFiler::Mode::Upload, title, root, QString(), &m_workbench.window());
    dialog.setRows(rows, preTicked);
    // Without the publishing window there is nobody to hand the files to.
    dialog.setOkEnabled(requests.available());
    dialog.setAction([&](const QStringList &ticked, const QString &summary) {
        QStringList relativePaths;
        for (const QString &path : ticked)
            relativePaths.append(fileSystemPath(path));
        Q_EMIT requests.uploadProject(ProjectUpload{title, uploadRoot(root), relativePaths, summary});
        return QList<ProjectFileFailure>();
    });
    m_workbench.prompter().runDialog(dialog);
}

void ProjectFileDialogs::moveTo(ProjectTree &tree, int project)
{
    transferTo(tree, project, true);
}

void ProjectFileDialogs::copyTo(ProjectTree &tree, int project)
{
    transferTo(tree, project, false);
}

void ProjectFileDialogs::transferTo(ProjectTree &tree, int project, bool move)
{
    Prompter &prompter = m_workbench.prompter();
    const QString root = tree.rootFolder(project);
    const QString folder = prompter.chooseFolder(ChooseNewRootCaption, fileSystemPath(root));
    if (folder.isEmpty())
        return;
    const QString target = storedFolder(folder);
    const QList<ProjectFileRow> rows = collectRows(tree, project);
    TfrmPrjFiler dialog(move ? TfrmPrjFiler::Mode::Move : TfrmPrjFiler::Mode::Copy, tree.title(project), root, target,
                        &m_workbench.window());
    dialog.setRows(rows, allPaths(rows));
    dialog.setAction([&](const QStringList &ticked, const QString &) {
        const ClashQuestion ask = [&prompter](const QString &existing) { return askBeforeReplacing(prompter, existing); };
        QList<ProjectFileFailure> failures;
        {
            const BusyDisplay busy(m_workbench.status().progressBar());
            failures = move
                ? moveProject(tree, project, root, target, ticked, ask, m_record(), busy.progress())
                : transferProjectFiles(ProjectTransferKind::Copy, root, target, ticked, ask, nullptr, busy.progress());
        }
        if (move)
            m_treeChanged();
        if (!failures.isEmpty()) {
            prompter.message({Product::Caption,
                              QStringLiteral("%1 fil(er) kunne ikke %2. De står tilbage i listen med årsagen.")
                                  .arg(failures.size())
                                  .arg(move ? QStringLiteral("flyttes") : QStringLiteral("kopieres")),
                              Prompter::Icon::Warning, Prompter::Ok});
        }
        return failures;
    });
    prompter.runDialog(dialog);
}
