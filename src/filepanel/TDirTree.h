#pragma once

#include <QTreeWidget>

// The folders of the machine as a tree under two roots, the file system's
// root and the home folder, read a level at a time as nodes are expanded.
// Entries of the file list dropped on a node are handed on to be moved there.
class TDirTree : public QTreeWidget
{
    Q_OBJECT

public:
    explicit TDirTree(QWidget *parent = nullptr);

    // The chosen folder ending with "/", or "?" when none is chosen.
    QString currentFolder() const;
    // Chooses the folder (with or without a trailing "/") when it differs from
    // the current one and exists; true when it is chosen afterwards.
    bool goTo(const QString &path);
    // Reads the tree again, keeping the chosen folder where it still exists.
    void reload();

Q_SIGNALS:
    // The user or goTo chose a folder; it ends with "/".
    void folderChosen(const QString &folder);
    // Entries of a file list dropped on a folder.
    void entriesDropped(const QStringList &paths, const QString &folder);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void buildRoots();
    void readNode(QTreeWidgetItem &node);
    QTreeWidgetItem *rootFor(const QString &path) const;
    static QString pathOf(const QTreeWidgetItem &node);
};
