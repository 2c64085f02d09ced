#include "projects/ProjectTree.h"

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

TEST(ProjectTree, NewProjectComesLastWithItsRootFolderStoredWithBackslashes)
{
    ProjectTree tree;
    tree.addProject(QStringLiteral("/data/first/"));
    const int project = tree.addProject(Site);
    EXPECT_EQ(project, 1);
    EXPECT_EQ(tree.title(project), QStringLiteral("[Ingen titel]"));
    EXPECT_EQ(tree.rootFolder(project), QStringLiteral("\\data\\web\\site\\"));
    EXPECT_EQ(tree.nodes().first().children.at(project).children.first().text, QStringLiteral("- \\data\\web\\site\\"));
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
    EXPECT_EQ(tree.documents(project), texts({"sider\\Om.html", "sider\\om.html", "..\\fælles\\menu.html"}));
    EXPECT_EQ(tree.documentPath(project, 2), QStringLiteral("/data/web/fælles/menu.html"));
}

TEST(ProjectTree, RemovesAndRenamesEntriesAndProjects)
{
    ProjectTree tree;
    const int project = tree.addProject(Site);
    tree.addDocument(project, Site + QStringLiteral("/a.html"));
    tree.addDocument(project, Site + QStringLiteral("/b.html"));
    tree.setDocumentText(project, 1, QStringLiteral("undermappe\\c.html"));
    EXPECT_EQ(tree.documentPath(project, 1), Site + QStringLiteral("/undermappe/c.html"));
    tree.removeDocument(project, 0);
    EXPECT_EQ(tree.documents(project), texts({"undermappe\\c.html"}));
    tree.removeProject(project);
    EXPECT_EQ(tree.projectCount(), 0);
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
        EXPECT_EQ(tree.rootFolder(project), QStringLiteral("\\data\\web\\ny\\"));
        if (rewrite) {
            EXPECT_EQ(tree.documents(project), texts({"..\\site\\index.html", "..\\site\\sider\\om.html", "..\\andet\\x.css"}));
            EXPECT_EQ(tree.documentPath(project, 0), Site + QStringLiteral("/index.html"));
        } else {
            EXPECT_EQ(tree.documents(project), texts({"index.html", "sider\\om.html", "..\\andet\\x.css"}));
        }
    }
}

TEST(ProjectTree, SortingOrdersProjectsAndDocumentsButKeepsTheRootFolderFirst)
{
    ProjectTree tree({TreeNode{QStringLiteral("Pagewick-projekter"),
                               {TreeNode{QStringLiteral("zulu"),
                                         {TreeNode{QStringLiteral("- \\zz\\"), {}}, TreeNode{QStringLiteral("Gamma.html"), {}},
                                          TreeNode{QStringLiteral("alpha.html"), {}}, TreeNode{QStringLiteral("Beta.html"), {}}}},
                                TreeNode{QStringLiteral("Alfa"), {TreeNode{QStringLiteral("- \\a\\"), {}}}}}}});
    tree.sort();
    ASSERT_EQ(tree.projectCount(), 2);
    EXPECT_EQ(tree.title(0), QStringLiteral("Alfa"));
    EXPECT_EQ(tree.rootFolder(1), QStringLiteral("\\zz\\"));
    EXPECT_EQ(tree.documents(1), texts({"alpha.html", "Beta.html", "Gamma.html"}));
}

} // namespace
