#pragma once

#include "search/SearchQuery.h"

#include <QDialog>

class HelpLine;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The dialog of "Udvidet søgning..." and "Udvidet erstat...": the find text,
// in replace mode the replacement, the options and where to look (the open
// documents, a project's documents or a folder's web pages). The action
// button asks its owner to run; while a run goes on the fields are disabled
// and the button stops it. A help line tells what the control under the
// mouse or with the focus does.
class TfrmFind : public QDialog
{
    Q_OBJECT

public:
    enum class Mode { Search, Replace };
    enum class Scope { OpenDocuments, Project, Folder };
    static constexpr int SearchTextLimit = 128;

    explicit TfrmFind(QWidget *parent = nullptr);

    // Sets the mode's fields and caption, cuts a search text to its limit and
    // puts the focus in the find field with its text selected.
    void prepare(Mode mode, const QString &startFolder);
    Mode mode() const { return m_mode; }

    SearchQuery query() const;
    QString replacement() const;
    bool backup() const;
    void setBackup(bool backup);
    Scope scope() const;
    // The projects to choose from, by title; the first is chosen. Without
    // projects the project scope cannot be chosen.
    void setProjects(const QStringList &titles);
    // The project scope with that project chosen.
    void chooseProject(int project);
    // The chosen project's number, -1 for none.
    int project() const;
    QString folder() const;
    void setFolder(const QString &folder);

    // Fields off and the button turned to stopping, or back.
    void setRunning(bool running);

Q_SIGNALS:
    void runRequested();
    void stopRequested();
    void chooseFolderRequested();

private:
    void updateActionButton();
    // A search text is held to its limit; a replace text is not.
    void limitSearchText();
    void updateProjectList();
    void attachHelp();

    Mode m_mode = Mode::Search;
    bool m_running = false;
    QPlainTextEdit *m_find;
    QLabel *m_replaceLabel;
    QPlainTextEdit *m_replace;
    QCheckBox *m_wholeWord;
    QCheckBox *m_matchCase;
    QCheckBox *m_backup;
    QGroupBox *m_scope;
    QRadioButton *m_openDocuments;
    QRadioButton *m_inProject;
    QComboBox *m_projects;
    QRadioButton *m_inFolder;
    QLabel *m_folder;
    QPushButton *m_chooseFolder;
    QPushButton *m_action;
    QPushButton *m_close;
    HelpLine *m_help;
};
