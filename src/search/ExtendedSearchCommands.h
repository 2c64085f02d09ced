#pragma once

#include <QObject>

#include <atomic>

class DocumentCommands;
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
    ExtendedSearchCommands(Workbench &workbench, DocumentCommands &documentCommands);

    SearchResultList &results() const { return *m_results; }
    void goTo(const QString &document, int line, int column);

private:
    void show(int mode);
    void run();
    bool confirmDanishLetters();
    void search();
    void replace();
    void chooseFolder();
    void setResultsShown(bool shown);

    Workbench &m_workbench;
    DocumentCommands &m_documentCommands;
    TfrmFind *m_dialog;
    SearchResultList *m_results;
    QAction *m_resultsCommand;
    std::atomic_bool m_stop = false;
    QString m_lastFindText;
};
