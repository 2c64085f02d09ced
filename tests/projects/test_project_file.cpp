#include "projects/ProjectFile.h"
#include "projects/ProjectStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A project with its root folder, a document in it and one in a sibling folder.
const QByteArray Example = "Pagewick-projekter\r\n"
                           " Min hjemmeside\r\n"
                           "  - C:\\Web\\Hjemmeside\\\r\n"
                           "  ..\\F\xC3\xA6lles\\menu.html\r\n"
                           "  index.html\r\n";

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

class ProjectFile : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("projekt.pwp"));
};

TEST_F(ProjectFile, IsReadIntoItsProjectsAndWrittenBackByteForByte)
{
    writeBytes(path, Example);
    ProjectTree tree = loadProjectFile(path);
    EXPECT_FALSE(tree.isDamaged());
    ASSERT_EQ(tree.projectCount(), 1);
    EXPECT_EQ(tree.title(0), QStringLiteral("Min hjemmeside"));
    EXPECT_EQ(tree.rootFolder(0), QStringLiteral("C:\\Web\\Hjemmeside\\"));
    EXPECT_EQ(tree.documents(0), QStringList({QStringLiteral("..\\Fælles\\menu.html"), QStringLiteral("index.html")}));
    EXPECT_EQ(tree.documentPath(0, 0), QStringLiteral("C:/Web/Fælles/menu.html"));

    ASSERT_TRUE(saveProjectFile(tree, path));
    EXPECT_EQ(readBytes(path), Example);
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".bak")));
}

TEST_F(ProjectFile, KeepsItsEncodingAndWritesEveryLineWithCrLf)
{
    const struct
    {
        const char *name;
        QByteArray read;
        QByteArray written;
    } cases[] = {
        {"Windows-1252", "Pagewick-projekter\r\n S\xF8ren\r\n", "Pagewick-projekter\r\n S\xF8ren\r\n"},
        {"UTF-8 with its mark", "\xEF\xBB\xBFPagewick-projekter\r\n S\xC3\xB8ren\r\n",
         "\xEF\xBB\xBFPagewick-projekter\r\n S\xC3\xB8ren\r\n"},
        {"line feeds alone", "Pagewick-projekter\n S\xC3\xB8ren\n", "Pagewick-projekter\r\n S\xC3\xB8ren\r\n"},
        {"no break after the last line", "Pagewick-projekter\r\n S\xC3\xB8ren", "Pagewick-projekter\r\n S\xC3\xB8ren\r\n"},
        {"a tab for a level", "Pagewick-projekter\r\n\tS\xC3\xB8ren\r\n", "Pagewick-projekter\r\n S\xC3\xB8ren\r\n"},
        {"Ctrl+Z ends the input", "Pagewick-projekter\r\n S\xC3\xB8ren\r\n\x1A\r\n rest\r\n",
         "Pagewick-projekter\r\n S\xC3\xB8ren\r\n"},
    };
    for (const auto &c : cases) {
        writeBytes(path, c.read);
        ProjectTree tree = loadProjectFile(path);
        EXPECT_EQ(tree.title(0), QStringLiteral("Søren")) << c.name;
        ASSERT_TRUE(saveProjectFile(tree, path)) << c.name;
        EXPECT_EQ(readBytes(path), c.written) << c.name;
    }
}

TEST_F(ProjectFile, InWindows1252TurnsUtf8WhenATitleHasNoByteThere)
{
    writeBytes(path, "Pagewick-projekter\r\n S\xF8ren\r\n");
    ProjectTree tree = loadProjectFile(path);
    tree.setTitle(0, QStringLiteral("Søren €uro ≈"));
    ASSERT_TRUE(saveProjectFile(tree, path));
    EXPECT_EQ(loadProjectFile(path).title(0), QStringLiteral("Søren €uro ≈"));
}

TEST_F(ProjectFile, KeepsItsShapeWhateverATitleOrPathIsTyped)
{
    ProjectTree tree;
    const int project = tree.addProject(QStringLiteral("/web/site"));
    tree.addDocument(project, QStringLiteral("/web/site/a.html"));
    tree.setTitle(project, QStringLiteral("  \tTo\r\nlinjer"));
    tree.setDocumentText(project, 0, QStringLiteral(" b.html"));
    ASSERT_TRUE(saveProjectFile(tree, path));
    const ProjectTree loaded = loadProjectFile(path);
    EXPECT_FALSE(loaded.isDamaged());
    ASSERT_EQ(loaded.projectCount(), 1);
    EXPECT_EQ(loaded.title(0), QStringLiteral("To linjer"));
    EXPECT_EQ(loaded.rootFolder(0), QStringLiteral("/web/site/"));
    EXPECT_EQ(loaded.documents(0), QStringList({QStringLiteral("b.html")}));
}

TEST_F(ProjectFile, MissingGivesTheRootAloneAndAnEmptyOneGetsTheRoot)
{
    for (const bool exists : {false, true}) {
        if (exists)
            writeBytes(path, "");
        const ProjectTree tree = loadProjectFile(path);
        EXPECT_FALSE(tree.isDamaged());
        ASSERT_EQ(tree.nodes().size(), 1);
        EXPECT_EQ(tree.nodes().first().text, QStringLiteral("Pagewick-projekter"));
        EXPECT_EQ(tree.projectCount(), 0);
    }
}

TEST_F(ProjectFile, DamagedKeepsTheNodesBeforeTheBadLevelAndIsKeptAsBakBeforeItIsWrittenOver)
{
    const QByteArray damaged = "Pagewick-projekter\r\n Sitet\r\n  - \\srv\\site\\\r\n    for dybt\r\n  index.html\r\n";
    writeBytes(path, damaged);
    writeBytes(path + QStringLiteral(".bak"), "an older copy");
    ProjectTree tree = loadProjectFile(path);
    EXPECT_TRUE(tree.isDamaged());
    EXPECT_EQ(tree.loadError(), QStringLiteral("Invalid TreeNode Level"));
    EXPECT_EQ(tree.rootFolder(0), QStringLiteral("\\srv\\site\\"));
    EXPECT_TRUE(tree.documents(0).isEmpty());

    ASSERT_TRUE(saveProjectFile(tree, path));
    EXPECT_EQ(readBytes(path + QStringLiteral(".bak")), damaged);
    EXPECT_EQ(readBytes(path), QByteArray("Pagewick-projekter\r\n Sitet\r\n  - \\srv\\site\\\r\n"));
    EXPECT_FALSE(tree.isDamaged());

    // Once written over, the file is the tree's own: the copy stays as it was.
    tree.setTitle(0, QStringLiteral("Nyt navn"));
    ASSERT_TRUE(saveProjectFile(tree, path));
    EXPECT_EQ(readBytes(path + QStringLiteral(".bak")), damaged);
}

TEST_F(ProjectFile, DamagedIsNotWrittenOverWhenItCannotBeKept)
{
    const QByteArray damaged = "Pagewick-projekter\r\n   for dybt\r\n";
    writeBytes(path, damaged);
    ProjectTree tree = loadProjectFile(path);
    ASSERT_TRUE(tree.isDamaged());
    // A folder in the way of the copy.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("projekt.pwp.bak/x")));
    EXPECT_FALSE(saveProjectFile(tree, path));
    EXPECT_EQ(readBytes(path), damaged);
    EXPECT_TRUE(tree.isDamaged());
}

TEST_F(ProjectFile, ThatCannotBeReadCountsAsDamagedAndIsNotWrittenOver)
{
    // A folder by the file's name cannot be read as a file, whoever runs the test.
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("projekt.pwp/indhold")));
    ProjectTree tree = loadProjectFile(path);
    EXPECT_TRUE(tree.isDamaged());
    EXPECT_EQ(tree.projectCount(), 0);
    EXPECT_FALSE(saveProjectFile(tree, path));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("projekt.pwp/indhold"))));
}

TEST_F(ProjectFile, StoreReadsItOncePerRunAndWritesOnlyWhatItRead)
{
    ProjectStore store(dir.path());
    EXPECT_EQ(store.filePath(), path);
    EXPECT_TRUE(store.save());
    EXPECT_FALSE(QFile::exists(path));

    writeBytes(path, Example);
    EXPECT_EQ(store.load().projectCount(), 1);
    writeBytes(path, "Pagewick-projekter\r\n");
    EXPECT_EQ(store.load().projectCount(), 1);
    store.tree().setTitle(0, QStringLiteral("Andet navn"));
    ASSERT_TRUE(store.save());
    EXPECT_EQ(loadProjectFile(path).title(0), QStringLiteral("Andet navn"));
}

} // namespace
