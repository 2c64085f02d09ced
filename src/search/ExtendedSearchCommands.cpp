#include "search/ExtendedSearchCommands.h"

#include "core/OptionsModel.h"
#include "core/ProductTexts.h"
#include "core/Prompter.h"
#include "core/SettingsKeys.h"
#include "core/SettingsStore.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentCommands.h"
#include "documents/DocumentList.h"
#include "editor/EditableText.h"
#include "editor/TLEdit.h"
#include "projects/ProjectTree.h"
#include "search/FileReplace.h"
#include "search/SearchResultList.h"
#include "search/TfrmFind.h"
#include "workbench/BusyDisplay.h"
#include "workbench/CommandRegistry.h"
#include "workbench/TFriendlyStatusBar.h"
#include "workbench/Workbench.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTreeWidget>

namespace {

const QString StartSection = QStringLiteral("Start");
const QString BackupKey = QStringLiteral("Backup");

void inform(Prompter &prompter, const QString &text)
{
    prompter.message({Product::Caption, text, Prompter::Icon::Information, Prompter::Ok});
}

bool holdsDanishLetters(const QString &text)
{
    for (const QChar letter : QStringLiteral("æøåÆØÅ"))
        if (text.contains(letter))
            return true;
    return false;
}

// Where a match of a find text that may hold line breaks ends.
TextPos endOf(TextPos start, const QString &findText)
{
    const QStringList lines = QString(findText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(QLatin1Char('\n'));
    if (lines.size() == 1)
        return {start.line, start.column + int(findText.size())};
    return {start.line + int(lines.size()) - 1, int(lines.last().size())};
}

} // namespace

ExtendedSearchCommands::ExtendedSearchCommands(Workbench &workbench, DocumentCommands &documentCommands,
                                               std::function<QString()> currentFolder)
    : QObject(&workbench.window())
    , m_workbench(workbench)
    , m_documentCommands(documentCommands)
    , m_currentFolder(std::move(currentFolder))
    , m_dialog(new TfrmFind(&workbench.window()))
    , m_results(new SearchResultList(*workbench.window().findChild<QTreeWidget *>(QStringLiteral("lwResultater"))))
{
    m_dialog->setBackup(workbench.settings().readBool(StartSection, BackupKey, true));
    CommandRegistry &commands = workbench.commands();
    commands.handle(QStringLiteral("actUdvidetSoegning"), [this] { show(int(TfrmFind::Mode::Search)); });
    commands.handle(QStringLiteral("actUdvidetErstat"), [this] { show(int(TfrmFind::Mode::Replace)); });
    m_resultsCommand = &commands.handle(QStringLiteral("actSoegeresultater"),
                                        [this] { setResultsShown(m_resultsCommand->isChecked()); });
    m_resultsCommand->setCheckable(true);
    connect(m_dialog, &TfrmFind::runRequested, this, &ExtendedSearchCommands::run);
    connect(m_dialog, &TfrmFind::stopRequested, this, [this] { m_stop = true; });
    connect(m_dialog, &TfrmFind::chooseFolderRequested, this, &ExtendedSearchCommands::chooseFolder);
    connect(m_results, &SearchResultList::goTo, this, &ExtendedSearchCommands::goTo);
    connect(m_results, &SearchResultList::hidden, this, [this] { m_resultsCommand->setChecked(false); });
}

void ExtendedSearchCommands::showForProject(int project, bool replacing)
{
    show(int(replacing ? TfrmFind::Mode::Replace : TfrmFind::Mode::Search), project);
}

void ExtendedSearchCommands::show(int mode, int project)
{
    const QString folder = m_currentFolder();
    m_dialog->prepare(TfrmFind::Mode(mode), folder.isEmpty() ? QDir::homePath() : folder);
    QStringList titles;
    if (m_projects) {
        const ProjectTree &projects = m_projects();
        for (int index = 0; index < projects.projectCount(); ++index)
            titles.append(projects.title(index));
    }
    m_dialog->setProjects(titles);
    if (project >= 0 && project < titles.size())
        m_dialog->chooseProject(project);
    m_workbench.prompter().runDialog(*m_dialog);
    m_workbench.settings().writeBool(StartSection, BackupKey, m_dialog->backup());
}

void ExtendedSearchCommands::chooseFolder()
{
    const QString folder = m_workbench.prompter().chooseFolder(QStringLiteral("Vælg den mappe, du ønsker at erstatte i."),
                                                               QFileInfo(m_dialog->folder()).isDir() ? m_dialog->folder()
                                                                                                     : QString());
    if (!folder.isEmpty())
        m_dialog->setFolder(folder);
}

bool ExtendedSearchCommands::confirmDanishLetters()
{
    if (m_dialog->scope() == TfrmFind::Scope::OpenDocuments || !m_workbench.options().options().danishLetterCodes
        || !holdsDanishLetters(m_dialog->query().text))
        return true;
    return m_workbench.prompter().message(
               {QStringLiteral("Søgning i filer efter danske tegn"),
                QStringLiteral("Søgeteksten indeholder æ, ø eller å. Da Pagewick er sat til at konvertere disse "
                               "tegn til HTML-specialkoder i dokumentfilerne, får søgningen måske ikke det "
                               "forventede resultat. Ønsker du at fortsætte?"),
                Prompter::Icon::Warning, Prompter::Yes | Prompter::No})
        == Prompter::Yes;
}

SearchScope ExtendedSearchCommands::chosenScope()
{
    const QString htmlFilter = m_workbench.options().options().htmlFilter;
    switch (m_dialog->scope()) {
    case TfrmFind::Scope::OpenDocuments:
        break;
    case TfrmFind::Scope::Project:
        return {false, htmlFilesOf(m_projects(), m_dialog->project(), htmlFilter)};
    case TfrmFind::Scope::Folder:
        return {false, htmlFilesOf(m_dialog->folder(), htmlFilter)};
    }
    return {};
}

void ExtendedSearchCommands::run()
{
    if (!confirmDanishLetters())
        return;
    m_stop = false;
    m_lastFindText = m_dialog->query().text;
    m_dialog->setRunning(true);
    if (m_dialog->mode() == TfrmFind::Mode::Search)
        search();
    else
        replace();
}

void ExtendedSearchCommands::search()
{
    SearchQuery query = m_dialog->query();
    query.referencesAsLetters = m_workbench.options().options().danishLetterCodes;
    const SearchScope scope = chosenScope();
    m_results->clear();
    {
        const BusyDisplay busy(m_workbench.status().progressBar());
        const ConversionProgress progress = busy.progress();
        SearchRun run;
        run.found = [this](const SourceMatches &source) { m_results->add(source); };
        run.progress = [&progress](int done, int total) {
            progress(total > 0 ? done * 100 / total : 100);
            // Lets the dialog's button stop the run.
            QCoreApplication::processEvents();
        };
        run.stop = &m_stop;
        searchSources(sourcesOf(scope, m_workbench.documents()), query, run);
    }
    m_results->fitColumns();
    m_dialog->setRunning(false);
    const bool found = m_results->count() > 0;
    setResultsShown(found);
    m_dialog->accept();
    if (!found)
        inform(m_workbench.prompter(), QStringLiteral("Søgningen gav intet resultat."));
}

void ExtendedSearchCommands::replace()
{
    const SearchQuery query = m_dialog->query();
    const SearchScope scope = chosenScope();
    ReplaceReport report;
    {
        const BusyDisplay busy(m_workbench.status().progressBar());
        report = replaceInScope(scope, m_workbench.documents(), query, m_dialog->replacement(), m_dialog->backup(), &m_stop);
    }
    m_dialog->setRunning(false);
    reportSkipped(report);
    const int replaced = report.replaced();
    if (replaced == 0)
        inform(m_workbench.prompter(), QStringLiteral("Søgningen gav intet resultat."));
    else
        inform(m_workbench.prompter(),
               QStringLiteral("Pagewick erstattede %1 tilfælde af\r\r\"%2\"").arg(QString::number(replaced), query.text));
}

void ExtendedSearchCommands::reportSkipped(const ReplaceReport &report)
{
    // One message for them all: a folder of protected files must not ask
    // for a click per file.
    constexpr int ShownFiles = 15;
    QStringList lines;
    for (const FileReplacement &file : report.files) {
        if (!file.problem.isEmpty() && lines.size() < ShownFiles)
            lines.append(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file.path), file.problem));
    }
    if (lines.isEmpty())
        return;
    const int skipped = report.skipped();
    if (skipped > ShownFiles)
        lines.append(QStringLiteral("... og %1 andre.").arg(skipped - ShownFiles));
    m_workbench.prompter().message({Product::Caption,
                                    QStringLiteral("%1 fil(er) blev sprunget over og er ikke ændret:\n\n%2")
                                        .arg(QString::number(skipped), lines.join(QLatin1Char('\n'))),
                                    Prompter::Icon::Warning, Prompter::Ok});
}

void ExtendedSearchCommands::goTo(const QString &document, int line, int column)
{
    DocumentList &documents = m_workbench.documents();
    if (QFileInfo(document).isFile()) {
        m_documentCommands.FilAabn(QDir::fromNativeSeparators(document));
    } else {
        int tab = -1;
        for (int index = 0; index < documents.count() && tab < 0; ++index)
            if (documents.at(index).path.isEmpty() && documents.at(index).caption == document)
                tab = index;
        if (tab < 0) {
            inform(m_workbench.prompter(), QStringLiteral("Pagewick kan ikke finde dokumentet."));
            return;
        }
        m_workbench.documentArea().setCurrentIndex(tab);
    }
    TLEdit &editor = m_workbench.activeEditor();
    const TextPos start{line, column};
    editor.SetSelection(SelectionRecord::between(start, endOf(start, m_lastFindText)));
    editor.setFocus();
}

void ExtendedSearchCommands::setResultsShown(bool shown)
{
    QWidget *list = m_workbench.window().findChild<QTreeWidget *>(QStringLiteral("lwResultater"));
    list->setVisible(shown);
    m_resultsCommand->setChecked(shown);
}
