#pragma once

#include "search/ExtendedSearch.h"

#include <QObject>

#include <atomic>
#include <functional>

class DocumentCommands;
class ProjectTree;
class QAction;
class SearchResultList;
class TfrmFind;
class Workbench;

// "Udvidet søgning...", "Udvidet erstat..." and "Søgeresultater": runs the
// dialog, searches into the main window's result list or replaces, and goes
// to a listed match.
class ExtendedSearchCommands : public QObject
{
    Q_OBJECT

public:
    // The projects' tree, read from the project file first when it has not been.
    using ProjectSource = std::function<ProjectTree &()>;

    // `currentFolder` gives the folder tree's folder, offered while the
    // dialog has none.
    ExtendedSearchCommands(Workbench &workbench, DocumentCommands &documentCommands, std::function<QString()> currentFolder);

    // Where the dialog finds the projects it offers; without it there are none.
    void setProjects(ProjectSource projects) { m_projects = std::move(projects); }
    // The dialog on that project, searching or replacing.
    void showForProject(int project, bool replacing);

    SearchResultList &results() const { return *m_results; }
    void goTo(const QString &document, int line, int column);

private:
    void show(int mode, int project = -1);
    void run();
    bool confirmDanishLetters();
    SearchScope chosenScope();
    void reportSkipped(const ReplaceReport &report);
    void search();
    void replace();
    void chooseFolder();
    void setResultsShown(bool shown);

    Workbench &m_workbench;
    DocumentCommands &m_documentCommands;
    std::function<QString()> m_currentFolder;
    ProjectSource m_projects;
    TfrmFind *m_dialog;
    SearchResultList *m_results;
    QAction *m_resultsCommand;
    std::atomic_bool m_stop = false;
    QString m_lastFindText;
};
