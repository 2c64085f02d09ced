#include "projects/ProjectTree.h"

#include "projects/ProjectPaths.h"

#include <QCollator>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The first child of a project is its root folder node, the rest its documents.
constexpr int FirstDocument = 1;

void sortByText(QList<TreeNode>::iterator begin, QList<TreeNode>::iterator end)
{
    QCollator collator; // the user's locale
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(begin, end,
                     [&collator](const TreeNode &a, const TreeNode &b) { return collator.compare(a.text, b.text) < 0; });
}

// A node's text as a line of the file can hold it: leading blanks and tabs
// would read back as levels and a line break as another node.
QString storableText(const QString &text)
{
    static const QRegularExpression lineBreaks(QStringLiteral("[\\r\\n]+"));
    QString line = QString(text).replace(lineBreaks, QStringLiteral(" "));
    qsizetype indent = 0;
    while (indent < line.size() && (line.at(indent) == QLatin1Char(' ') || line.at(indent) == QLatin1Char('\t')))
        ++indent;
    return line.mid(indent);
}

} // namespace

ProjectTree::ProjectTree()
    : ProjectTree(QList<TreeNode>{})
{
}

ProjectTree::ProjectTree(QList<TreeNode> nodes, QString loadError)
    : m_nodes(std::move(nodes))
    , m_loadError(std::move(loadError))
{
    if (m_nodes.isEmpty())
        m_nodes.append(TreeNode{RootText, {}});
}

TreeNode &ProjectTree::projectNode(int project)
{
    return m_nodes.first().children[project];
}

const TreeNode &ProjectTree::projectNode(int project) const
{
    return m_nodes.first().children.at(project);
}

int ProjectTree::projectCount() const
{
    return int(m_nodes.first().children.size());
}

QString ProjectTree::title(int project) const
{
    return projectNode(project).text;
}

void ProjectTree::setTitle(int project, const QString &title)
{
    projectNode(project).text = storableText(title);
}

QString ProjectTree::rootFolder(int project) const
{
    const QList<TreeNode> &children = projectNode(project).children;
    return children.isEmpty() ? QString() : children.first().text.mid(RootFolderMark.size());
}

QStringList ProjectTree::documents(int project) const
{
    QStringList texts;
    const QList<TreeNode> &children = projectNode(project).children;
    for (qsizetype i = FirstDocument; i < children.size(); ++i)
        texts.append(children.at(i).text);
    return texts;
}

QString ProjectTree::documentPath(int project, int document) const
{
    return documentFile(rootFolder(project), projectNode(project).children.at(FirstDocument + document).text);
}

int ProjectTree::addProject(const QString &rootFolder)
{
    m_nodes.first().children.append(TreeNode{NewProjectTitle, {TreeNode{RootFolderMark + storedFolder(rootFolder), {}}}});
    return projectCount() - 1;
}

void ProjectTree::removeProject(int project)
{
    m_nodes.first().children.removeAt(project);
}

bool ProjectTree::addDocument(int project, const QString &file)
{
    const QString text = documentText(rootFolder(project), file);
    if (documents(project).contains(text, Qt::CaseSensitive))
        return false;
    projectNode(project).children.append(TreeNode{text, {}});
    return true;
}

void ProjectTree::removeDocument(int project, int document)
{
    projectNode(project).children.removeAt(FirstDocument + document);
}

void ProjectTree::setDocumentText(int project, int document, const QString &text)
{
    projectNode(project).children[FirstDocument + document].text = storableText(text);
}

bool ProjectTree::renameDocument(int project, int document, const QString &text)
{
    const QString oldFile = documentPath(project, document);
    setDocumentText(project, document, text);
    return QFile::rename(oldFile, documentPath(project, document));
}

std::optional<DocumentPlace> ProjectTree::findDocument(const QString &path) const
{
    for (int project = 0; project < projectCount(); ++project) {
        const qsizetype count = documents(project).size();
        for (int document = 0; document < count; ++document)
            if (documentPath(project, document) == path)
                return DocumentPlace{project, document};
    }
    return std::nullopt;
}

void ProjectTree::setRootFolder(int project, const QString &folder, bool rewritePaths)
{
    const QString oldRoot = rootFolder(project);
    const QString newRoot = storedFolder(folder);
    QList<TreeNode> &children = projectNode(project).children;
    if (children.isEmpty())
        children.append(TreeNode{});
    children.first().text = RootFolderMark + newRoot;
    if (!rewritePaths)
        return;
    for (qsizetype i = FirstDocument; i < children.size(); ++i)
        children[i].text = documentText(newRoot, documentFile(oldRoot, children.at(i).text));
}

void ProjectTree::sort()
{
    QList<TreeNode> &projects = m_nodes.first().children;
    sortByText(projects.begin(), projects.end());
    for (TreeNode &project : projects)
        if (project.children.size() > FirstDocument)
            sortByText(project.children.begin() + FirstDocument, project.children.end());
}
