#pragma once

#include <QFileInfo>
#include <QObject>
#include <QSet>
#include <QStringList>

// Walks a folder tree and reports every entry that matches a file filter.
// Symbolic links to folders are reported but never entered, and no folder is
// searched twice, so the walk always ends.
class TFileFinder : public QObject
{
    Q_OBJECT

public:
    // The attribute bits of FileAttr.
    enum Attribute { ReadOnly = 0x01, Hidden = 0x02, System = 0x04, VolumeLabel = 0x08, Directory = 0x10, Archive = 0x20 };
    static constexpr int AnyFile = 63;

    explicit TFileFinder(QObject *parent = nullptr);

    void setRootFolder(const QString &folder) { m_rootFolder = folder; }
    QString rootFolder() const { return m_rootFolder; }
    // Patterns separated by ";"; "*.*" and "*" match every name.
    void setFileFilter(const QString &filter) { m_fileFilter = filter; }
    QString fileFilter() const { return m_fileFilter; }
    // Ordinary files are always reported; folders, hidden and system entries
    // only when their bit is set.
    void setFileAttr(int attributes) { m_fileAttr = attributes; }
    int fileAttr() const { return m_fileAttr; }
    void setSubFolders(bool subFolders) { m_subFolders = subFolders; }
    bool subFolders() const { return m_subFolders; }
    // Lets the window answer (and a stop button work) after every entry.
    void setProcessMessages(bool process) { m_processMessages = process; }
    bool processMessages() const { return m_processMessages; }

    // Searches from the root folder until the tree is done or stop() is called.
    void execute();
    bool isRunning() const { return m_running; }

public slots:
    // Ends the whole search after the entry being reported.
    void stop() { m_stopRequested = true; }

signals:
    // directory ends in "/".
    void fileFound(const QString &directory, const QFileInfo &entry);
    // The search of the root folder has ended, done or stopped.
    void finished();

private:
    void search(const QString &folder);
    bool matchesAll() const;

    QString m_rootFolder;
    QString m_fileFilter = QStringLiteral("*.*");
    int m_fileAttr = AnyFile;
    bool m_subFolders = true;
    bool m_processMessages = true;
    bool m_running = false;
    bool m_stopRequested = false;
    QSet<QString> m_searched;
};
