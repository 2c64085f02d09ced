#include "projects/ProjectFileList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const ReferenceMasks Masks{QStringLiteral("*.htm;*.html"), QStringLiteral("*.js")};

class ProjectFileListTest : public ::testing::Test
{
protected:
    void write(const QString &name, const QByteArray &text)
    {
        const QString path = dir.filePath(name);
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    // A project of the site folder with these document entries.
    ProjectTree project(const QStringList &documents) const
    {
        TreeNode node{QStringLiteral("Sitet"),
                      {TreeNode{QStringLiteral("- ") + dir.filePath(QStringLiteral("site")) + u'\\', {}}}};
        for (const QString &document : documents)
            node.children.append(TreeNode{document, {}});
        return ProjectTree({TreeNode{QStringLiteral("Pagewick-projekter"), {node}}});
    }

    static QStringList paths(const QList<ProjectFileRow> &rows)
    {
        QStringList result;
        for (const ProjectFileRow &row : rows)
            result.append(row.path);
        return result;
    }

    QTemporaryDir dir;
};

TEST_F(ProjectFileListTest, ListsEachDocumentAndTheFilesItUsesOnceRelativeToTheRoot)
{
    write(QStringLiteral("site/index.html"),
          "<html><head><TITLE>Forside med &aelig;</TITLE><link rel=\"stylesheet\" href=\"css/stil.css\">"
          "<script src=\"js/menu.js\"></script></head><body background=\"billeder/bg.gif\">"
          "<img src=\"billeder/Logo.gif\"><img src=\"billeder/logo.gif\"><a href=\"om.html\">om</a>"
          "<a href=\"filer/priser.zip\">priser</a><a href=\"http://example.com/\">web</a></body></html>");
    write(QStringLiteral("site/css/stil.css"), "body { background: url(../billeder/papir.png) }");
    write(
        QStringLiteral("site/sider/om.html"),
        "<html><body><img src=\"../billeder/Logo.gif\"><div style=\"background: url(../billeder/ny.png)\"></div></body></html>");
    for (const char *name : {"site/js/menu.js", "site/billeder/bg.gif", "site/billeder/Logo.gif", "site/billeder/logo.gif",
                             "site/billeder/papir.png", "site/filer/priser.zip"})
        write(QString::fromUtf8(name), "x");

    int done = 0;
    const QList<ProjectFileRow> rows = ProjectFileList(project({QStringLiteral("index.html"), QStringLiteral("sider\\om.html"),
                                                                QStringLiteral("INDEX.html"), QStringLiteral("index.html")}),
                                                       0, Masks, [&done] { ++done; });
    EXPECT_EQ(done, 4);
    EXPECT_EQ(
        paths(rows),
        QStringList({QStringLiteral("index.html"), QStringLiteral("filer/priser.zip"), QStringLiteral("css/stil.css"),
                     QStringLiteral("billeder/papir.png"), QStringLiteral("js/menu.js"), QStringLiteral("billeder/Logo.gif"),
                     QStringLiteral("billeder/logo.gif"), QStringLiteral("billeder/bg.gif"), QStringLiteral("sider\\om.html"),
                     QStringLiteral("billeder/ny.png"), QStringLiteral("INDEX.html")}));

    const ProjectFileRow &index = rows.first();
    EXPECT_TRUE(index.document);
    EXPECT_EQ(index.title, QStringLiteral("Forside med æ"));
    EXPECT_EQ(index.type, QStringLiteral("HTML"));
    EXPECT_FALSE(index.size.isEmpty());
    EXPECT_FALSE(index.missing);
    EXPECT_FALSE(rows.at(3).missing) << "the stylesheet's reference is read from its own folder";
    EXPECT_TRUE(rows.at(9).missing);
    const ProjectFileRow &absent = rows.last();
    EXPECT_TRUE(absent.document);
    EXPECT_TRUE(absent.missing);
    EXPECT_TRUE(absent.title.isEmpty());
    EXPECT_TRUE(absent.size.isEmpty());
}

TEST_F(ProjectFileListTest, OfAProjectWithoutDocumentsIsEmpty)
{
    EXPECT_TRUE(ProjectFileList(project({}), 0, Masks).isEmpty());
}

} // namespace
