#pragma once

#include "search/SearchQuery.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The dialog of "Udvidet søgning..." and "Udvidet erstat...": the find text,
// in replace mode the replacement, the options and where to look (the open
// documents or a folder's web pages). The action button asks its owner to
// run; while a run goes on the fields are disabled and the button stops it.
// A project scope joins the scope group as a third choice whose files come
// from the project, the same way the folder's files do.
class TfrmFind : public QDialog
{
    Q_OBJECT

public:
    enum class Mode { Search, Replace };
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
    bool searchesOpenDocuments() const;
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
    QRadioButton *m_inFolder;
    QLabel *m_folder;
    QPushButton *m_chooseFolder;
    QPushButton *m_action;
    QPushButton *m_close;
};
