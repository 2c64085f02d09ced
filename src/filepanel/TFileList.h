#pragma once

#include "filepanel/FileListModel.h"
#include "files/FileMasks.h"
#include "files/ListedFileFacts.h"

#include <QElapsedTimer>
#include <QFuture>
#include <QSet>
#include <QWidget>

#include <functional>
#include <memory>

class FolderScan;
class QAbstractItemView;
class QFileSystemWatcher;
class QListView;
class QStackedLayout;
class QTimer;
class QTreeView;

// The files of one folder that match the list's masks, shown as large or
// small icons, a list, or details with sortable columns. A large folder is
// read a piece at a time, so the window keeps answering while it fills; the
// list is read again when the folder changes on disk. Entries can be dragged
// to the editor and the folder tree; files from other programs can be dropped.
class TFileList : public QWidget
{
    Q_OBJECT

public:
    enum ViewStyle { LargeIcons, SmallIcons, List, Details };

    explicit TFileList(QWidget *parent = nullptr);
    ~TFileList() override;

    // The folder shown, always ending with "/"; setting it reads it.
    QString Directory() const { return m_directory; }
    void setDirectory(const QString &folder);
    // The patterns, joined by ";"; setting them reads the folder again.
    QString Mask() const { return m_masks.text(); }
    void setMask(const QString &masks);
    // Whether subfolders are entries too.
    void setDisplayDirectory(bool display) { m_displayDirectory = display; }

    ViewStyle viewStyle() const { return m_style; }
    void setViewStyle(ViewStyle style);

    // Reads the folder again; the entries come in pieces until `listed`.
    void refresh();
    bool listing() const { return m_scan != nullptr; }
    int count() const;

    // The selected entries' full paths, in the order the list shows them.
    QStringList selectedPaths() const;
    // Every entry's name, in the order the list shows them.
    QStringList names() const;
    // The facts of the entry under the cursor, when it is selected.
    std::optional<ListedFileFacts> currentFacts() const;
    void selectAll();
    void selectName(const QString &name);
    bool hasFocusInside() const;
    // Starts renaming the entry under the cursor in place.
    void startRename();
    void setRenamer(FileListModel::Renamer renamer);

    // Starts finding out which of a folder's files (by name) changed since
    // they were last published, away from the window's thread. Asked after
    // every listing; the attribute column shows "A" for them once it knows.
    using ChangeCheck = std::function<QFuture<QSet<QString>>(const QString &folder, const QStringList &names)>;
    void setChangeCheck(ChangeCheck check) { m_changeCheck = std::move(check); }

    // The view shown: its keys and its menu requests reach the caller.
    QAbstractItemView *view() const;
    QList<QAbstractItemView *> views() const;

Q_SIGNALS:
    // The folder has been read whole.
    void listed();
    // An entry was clicked or reached with the keys.
    void entryChosen(const QString &path, const ListedEntry &entry);
    // A double-click on an entry.
    void openRequested();
    // Files of other programs dropped on the list.
    void filesDropped(const QStringList &paths);
    // Entries of the publishing window's remote listing dropped on the list.
    void remoteFilesDropped();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void readPiece();
    void restoreSelection();
    void checkChanges();
    void watchFolder();
    void chooseCurrent();
    ListedEntry entryAt(const QModelIndex &viewIndex) const;

    FileListModel *m_model;
    QListView *m_icons;
    QTreeView *m_details;
    QStackedLayout *m_stack;
    QFileSystemWatcher *m_watcher;
    QTimer *m_pieces;
    QTimer *m_changedOnDisk;
    std::unique_ptr<FolderScan> m_scan;
    QString m_directory;
    QSet<QString> m_keptSelection; // names selected before the folder was read again
    FileMasks m_masks;
    ChangeCheck m_changeCheck;
    quint64 m_listing = 0; // counts the readings, so that a late answer is known
    bool m_displayDirectory = true;
    ViewStyle m_style = Details;
};
