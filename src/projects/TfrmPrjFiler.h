#pragma once

#include "projects/ProjectFileList.h"
#include "projects/ProjectTransfer.h"

#include <QDialog>
#include <QSet>

#include <functional>

class HelpLine;
class QCheckBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

// The project file dialog: a project's files (its documents and what they
// refer to) in a list, shown as they are or ticked for uploading, moving or
// copying the project.
class TfrmPrjFiler : public QDialog
{
    Q_OBJECT

public:
    enum class Mode { Properties, Upload, Move, Copy };
    // What "OK" does with the ticked files (relative paths, in list order) and
    // the dialog's text on them; the files it gives back did not make it.
    using Action = std::function<QList<ProjectFileFailure>(const QStringList &ticked, const QString &summary)>;

    // rootFolder and targetFolder as the project keeps folders; the target
    // only for moving and copying.
    TfrmPrjFiler(Mode mode, const QString &projectTitle, const QString &rootFolder, const QString &targetFolder,
                 QWidget *parent = nullptr);

    // Lists the rows; of those in preTicked (relative paths) the ones whose
    // file exists are ticked. A missing file cannot be ticked at all.
    void setRows(const QList<ProjectFileRow> &rows, const QSet<QString> &preTicked);
    void setAction(Action action) { m_action = std::move(action); }
    void setOkEnabled(bool enabled);

    Mode mode() const { return m_mode; }
    QStringList tickedPaths() const;
    // The status panels: the row count, and what the ticked files are for.
    QString countText() const;
    QString summaryText() const;

    QTreeWidget &list() const { return *m_list; }
    QCheckBox &tickAll() const { return *m_tickAll; }
    QPushButton &okButton() const { return *m_ok; }
    QPushButton &cancelButton() const { return *m_cancel; }
    HelpLine &helpLine() const { return *m_help; }
    QLabel &rootLabel() const { return *m_rootCaption; }
    // The text shown in place of an empty list.
    QLabel &emptyText() const { return *m_empty; }

private:
    void buildLayout();
    void attachHelp();
    void tickEveryRow(bool ticked);
    void settleStatus();
    void sortBy(int column);
    void act();
    void keepOnlyFailures(const QList<ProjectFileFailure> &failures);

    Mode m_mode;
    QString m_rootFolder;
    QTreeWidget *m_list;
    QStackedWidget *m_listOrEmpty;
    QLabel *m_empty;
    QLabel *m_rootCaption;
    QLabel *m_root;
    QCheckBox *m_tickAll;
    HelpLine *m_help;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QLabel *m_countPanel;
    QLabel *m_summaryPanel;
    Action m_action;
    bool m_sortAscending = false; // flipped by each header click, so the first sorts ascending
    bool m_ticking = false; // many rows change at once: the status is settled after
};
