#include "projects/ProjectTree.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString Site = QStringLiteral("/data/web/site");

QStringList texts(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *text : list)
        result.append(QString::fromUtf8(text));
    return result;
}

TEST(ProjectTree, NewProjectComesLastWithItsRootFolderStoredWithTheSystemsSeparator)
{
    ProjectTree tree;
    tree.addProject(QStringLiteral("/data/first/"));
    const int project = tree.addProject(Site);
    EXPECT_EQ(project, 1);
    EXPECT_EQ(tree.title(project), QStringLiteral("[Ingen titel]"));
    EXPECT_EQ(tree.rootFolder(project), QStringLiteral("/data/web/site/"));
    EXPECT_EQ(tree.nodes().first().children.at(project).children.first().text, QStringLiteral("- /data/web/site/"));
    EXPECT_TRUE(tree.documents(project).isEmpty());
}

TEST(ProjectTree, AddsADocumentOnceByItsExactRelativePath)
{
    ProjectTree tree;
    const int project = tree.addProject(Site);
    EXPECT_TRUE(tree.addDocument(project, Site + QStringLiteral("/sider/Om.html")));
    EXPECT_FALSE(tree.addDocument(project, Site + QStringLiteral("/sider/Om.html")));
    // Another letter case names another file.
    EXPECT_TRUE(tree.addDocument(project, Site + QStringLiteral("/sider/om.html")));
    EXPECT_TRUE(tree.addDocument(project, QStringLiteral("/data/web/fælles/menu.html")));
    EXPECT_EQ(tree.documents(project), texts({"sider/Om.html", "sider/om.html", "../fælles/menu.html"}));
    EXPECT_EQ(tree.documentPath(project, 2), QStringLiteral("/data/web/fælles/menu.html"));
}

TEST(ProjectTree, RemovesAndRenamesEntriesAndProjects)
{
    ProjectTree tree;
    const int project = tree.addProject(Site);
    tree.addDocument(project, Site + QStringLiteral("/a.html"));
    tree.addDocument(project, Site + QStringLiteral("/b.html"));
    tree.setDocumentText(project, 1, QStringLiteral("undermappe/c.html"));
    EXPECT_EQ(tree.documentPath(project, 1), Site + QStringLiteral("/undermappe/c.html"));
    tree.removeDocument(project, 0);
    EXPECT_EQ(tree.documents(project), texts({"undermappe/c.html"}));
    tree.removeProject(project);
    EXPECT_EQ(tree.projectCount(), 0);
}

TEST(ProjectTree, RenamingADocumentRenamesItsFileButNeverOverAnother)
{
    QTemporaryDir dir;
    const QString root = dir.path();
    for (const char *name : {"a.html", "b.html"}) {
        QFile file(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(name);
    }
    ProjectTree tree;
    const int project = tree.addProject(root);
    tree.addDocument(project, dir.filePath(QStringLiteral("a.html")));
    tree.addDocument(project, dir.filePath(QStringLiteral("b.html")));

    EXPECT_TRUE(tree.renameDocument(project, 0, QStringLiteral("A.html")));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("A.html"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("a.html"))));

    EXPECT_FALSE(tree.renameDocument(project, 0, QStringLiteral("b.html")));
    EXPECT_EQ(tree.documents(project), texts({"b.html", "b.html"}));
    QFile kept(dir.filePath(QStringLiteral("b.html")));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("b.html"));
}

TEST(ProjectTree, FindsTheFirstDocumentOfAFileByItsExactPath)
{
    ProjectTree tree;
    for (int i = 0; i < 2; ++i) {
        const int project = tree.addProject(Site);
        tree.addDocument(project, Site + QStringLiteral("/Om.html"));
        tree.addDocument(project, Site + QStringLiteral("/om.html"));
    }
    EXPECT_EQ(tree.findDocument(Site + QStringLiteral("/om.html")), (DocumentPlace{0, 1}));
    EXPECT_EQ(tree.findDocument(Site + QStringLiteral("/OM.html")), std::nullopt);
}

TEST(ProjectTree, NewRootFolderRewritesThePathsOnlyWhenAsked)
{
    for (const bool rewrite : {true, false}) {
        ProjectTree tree;
        const int project = tree.addProject(Site);
        tree.addDocument(project, Site + QStringLiteral("/index.html"));
        tree.addDocument(project, Site + QStringLiteral("/sider/om.html"));
        tree.addDocument(project, QStringLiteral("/data/web/andet/x.css"));
        tree.setRootFolder(project, QStringLiteral("/data/web/ny"), rewrite);
        EXPECT_EQ(tree.rootFolder(project), QStringLiteral("/data/web/ny/"));
        if (rewrite) {
            EXPECT_EQ(tree.documents(project), texts({"../site/index.html", "../site/sider/om.html", "../andet/x.css"}));
            EXPECT_EQ(tree.documentPath(project, 0), Site + QStringLiteral("/index.html"));
        } else {
            EXPECT_EQ(tree.documents(project), texts({"index.html", "sider/om.html", "../andet/x.css"}));
        }
    }
}

TEST(ProjectTree, SortingOrdersProjectsAndDocumentsButKeepsTheRootFolderFirst)
{
    ProjectTree tree({TreeNode{QStringLiteral("Pagewick-projekter"),
                               {TreeNode{QStringLiteral("zulu"),
                                         {TreeNode{QStringLiteral("- /zz/"), {}}, TreeNode{QStringLiteral("Gamma.html"), {}},
                                          TreeNode{QStringLiteral("alpha.html"), {}}, TreeNode{QStringLiteral("Beta.html"), {}}}},
                                TreeNode{QStringLiteral("Alfa"), {TreeNode{QStringLiteral("- /a/"), {}}}}}}});
    tree.sort();
    ASSERT_EQ(tree.projectCount(), 2);
    EXPECT_EQ(tree.title(0), QStringLiteral("Alfa"));
    EXPECT_EQ(tree.rootFolder(1), QStringLiteral("/zz/"));
    EXPECT_EQ(tree.documents(1), texts({"alpha.html", "Beta.html", "Gamma.html"}));
}

} // namespace
