#pragma once

#include "projects/IndentedTree.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The encoding the project file was read in, and is written back in.
enum class ProjectFileEncoding { Utf8, Utf8WithMark, Windows1252 };

// A document by its project's number and its own within the project.
struct DocumentPlace
{
    int project = 0;
    int document = 0;

    friend bool operator==(const DocumentPlace &, const DocumentPlace &) = default;
};

// The projects as the project file keeps them: a single root node, under it
// one node per project (its title), and under each project first its root
// folder node ("- " and the folder with a trailing backslash), then its
// documents as paths relative to that folder with backslashes. Projects are
// numbered in tree order from 0, a project's documents likewise.
class ProjectTree
{
public:
    static inline const QString RootText = QStringLiteral("Pagewick-projekter");
    static inline const QString NewProjectTitle = QStringLiteral("[Ingen titel]");
    static inline const QString RootFolderMark = QStringLiteral("- ");

    // A tree with the root alone.
    ProjectTree();
    // The nodes of a project file; a file without nodes gets the root.
    // `loadError` tells why the file was not read to its end.
    explicit ProjectTree(QList<TreeNode> nodes, QString loadError = {});

    const QList<TreeNode> &nodes() const { return m_nodes; }

    // Whether the file the tree came from was not read to its end: saving it
    // then keeps the original aside first.
    bool isDamaged() const { return !m_loadError.isEmpty(); }
    QString loadError() const { return m_loadError; }
    // Called once the tree has been written over the file.
    void markSaved() { m_loadError.clear(); }

    ProjectFileEncoding encoding() const { return m_encoding; }
    void setEncoding(ProjectFileEncoding encoding) { m_encoding = encoding; }

    int projectCount() const;
    QString title(int project) const;
    // Titles and document paths lose leading blanks and tabs, and line
    // breaks become blanks: the file could not give them back.
    void setTitle(int project, const QString &title);
    // The root folder as stored: backslashes and a trailing backslash.
    QString rootFolder(int project) const;
    QStringList documents(int project) const;
    // The document's file on disk.
    QString documentPath(int project, int document) const;

    // A new project "[Ingen titel]" as the last one, with the folder as its
    // root; gives its number.
    int addProject(const QString &rootFolder);
    void removeProject(int project);

    // Adds the file by its path relative to the project's root. False when
    // the project lists that path already, compared exactly: files whose
    // names differ only in letter case are different files.
    bool addDocument(int project, const QString &file);
    void removeDocument(int project, int document);
    // The entry's new relative path; the file itself is not touched.
    void setDocumentText(int project, int document, const QString &text);
    // Gives the entry its new relative path and its file the name that path
    // gives; the entry keeps the new path also when the file could not be
    // renamed (an existing file of that name is never replaced). False then.
    bool renameDocument(int project, int document, const QString &text);

    // The first document, in tree order, whose file is this path exactly.
    std::optional<DocumentPlace> findDocument(const QString &path) const;

    // Gives the project another root folder. With rewritePaths every
    // document keeps naming its file: its path is resolved against the old
    // root and made relative to the new one; otherwise the texts stay.
    void setRootFolder(int project, const QString &folder, bool rewritePaths);

    // Orders the projects by title and each project's documents by path,
    // ignoring case in the user's locale; a project's root folder node stays
    // its first child.
    void sort();

private:
    TreeNode &projectNode(int project);
    const TreeNode &projectNode(int project) const;

    QList<TreeNode> m_nodes;
    QString m_loadError;
    ProjectFileEncoding m_encoding = ProjectFileEncoding::Utf8;
};
