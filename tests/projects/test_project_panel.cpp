// The "Projekter" page in the real main window: its tree, its commands and
// the project file it reads once and writes when the window closes.
#include "projects/ProjectFile.h"
#include "projects/ProjectPanelCommands.h"
#include "support/MainWindowFixture.h"

#include <QTreeWidget>

namespace {

class ProjectPanelTest : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(data()));
        ASSERT_TRUE(QDir().mkpath(site()));
        ASSERT_TRUE(QDir().mkpath(m_dir.filePath(QStringLiteral("other"))));
        MainWindowFixture::SetUp();
    }

    QString data() const { return m_dir.filePath(QStringLiteral("data")); }
    QString site() const { return m_dir.filePath(QStringLiteral("site")); }
    QString projectFile() const { return data() + QStringLiteral("/") + ProjectFileName; }
    QString write(const QString &path, const QByteArray &bytes = "<html></html>")
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString sitePage(const char *name) { return write(site() + QStringLiteral("/") + QString::fromLatin1(name)); }

    ProjectPanelCommands &panel()
    {
        auto *panel = m_window->resourcePanel()->widget(1)->findChild<ProjectPanelCommands *>();
        EXPECT_NE(panel, nullptr);
        return *panel;
    }
    ProjectTree &tree() { return panel().store()->tree(); }
    // The shown tree's text of a project's child (0: its root folder node).
    QString shownText(int project, int child) { return panel().tree().topLevelItem(0)->child(project)->child(child)->text(0); }

    // Shows the page (which reads the project file) and makes a project on
    // the site folder with the given pages added through the file dialog.
    void makeProject(const QStringList &pages)
    {
        m_window->showResourcePage(*m_window->resourcePanel()->widget(1));
        m_prompter.expectFiles({site()});
        panel().newProject();
        ASSERT_EQ(tree().projectCount(), 1);
        panel().tree().topLevelItem(0)->child(0)->setText(0, QStringLiteral("Min side"));
        m_prompter.expectFiles(pages);
        panel().addDocuments();
    }
    void closeWindow()
    {
        m_window->close();
        QApplication::processEvents();
    }
};

TEST_F(ProjectPanelTest, AddsDocumentsOnceAndWritesTheTreeWhenTheWindowCloses)
{
    const QString index = sitePage("index.htm");
    const QString other = write(m_dir.filePath(QStringLiteral("other/om.htm")));
    makeProject({index, other});
    EXPECT_EQ(tree().documents(0), QStringList({QStringLiteral("../other/om.htm"), QStringLiteral("index.htm")}));
    EXPECT_EQ(m_prompter.fileDialogs().last().caption, QStringLiteral("Tilføj dokumenter til projekt"));
    EXPECT_TRUE(QFile::exists(projectFile())) << "adding documents saves the tree";

    // The same path again adds nothing; the same name in another case is another file.
    m_prompter.expectFiles({index, site() + QStringLiteral("/INDEX.htm")});
    panel().addDocuments();
    EXPECT_EQ(tree().documents(0).size(), 3);

    // The window's untitled document has no file to add.
    panel().select(0, -1);
    m_prompter.expect(QStringLiteral("Dokumentet skal gemmes, før det kan tilføjes til projektet."));
    panel().addActiveDocument();
    EXPECT_EQ(tree().documents(0).size(), 3);

    QFile::remove(projectFile());
    closeWindow();
    const ProjectTree read = loadProjectFile(projectFile());
    ASSERT_EQ(read.projectCount(), 1);
    EXPECT_EQ(read.title(0), QStringLiteral("Min side"));
    EXPECT_EQ(read.documents(0).size(), 3);
    EXPECT_TRUE(read.findDocument(index).has_value());
    EXPECT_FALSE(read.isDamaged());
}

TEST_F(ProjectPanelTest, RenamesTheFileWithItsEntryAndRefusesATakenName)
{
    makeProject({sitePage("a.htm"), sitePage("b.htm")});
    panel().select(0, 0);
    panel().tree().currentItem()->setText(0, QStringLiteral("c.htm"));
    QApplication::processEvents();
    EXPECT_EQ(tree().documents(0), QStringList({QStringLiteral("c.htm"), QStringLiteral("b.htm")}));
    EXPECT_TRUE(QFile::exists(site() + QStringLiteral("/c.htm")));
    EXPECT_FALSE(QFile::exists(site() + QStringLiteral("/a.htm")));

    // Onto the other document's name: refused, nothing written over, the old text back.
    m_prompter.expect(QStringLiteral("Der skete en fejl under omdøbningen."));
    panel().select(0, 0);
    panel().tree().currentItem()->setText(0, QStringLiteral("b.htm"));
    QApplication::processEvents();
    EXPECT_EQ(tree().documents(0), QStringList({QStringLiteral("c.htm"), QStringLiteral("b.htm")}));
    EXPECT_EQ(shownText(0, 1), QStringLiteral("c.htm"));
    EXPECT_TRUE(QFile::exists(site() + QStringLiteral("/c.htm")));
}

TEST_F(ProjectPanelTest, RemovesAnEntryAndEditsTheRootWithOrWithoutRewritingPaths)
{
    const QString page = sitePage("a.htm");
    makeProject({page, sitePage("b.htm")});
    panel().select(0, 1);
    panel().removeSelected();
    EXPECT_EQ(tree().documents(0), QStringList({QStringLiteral("a.htm")}));
    EXPECT_TRUE(QFile::exists(site() + QStringLiteral("/b.htm"))) << "removing keeps the file";

    const QString sibling = m_dir.filePath(QStringLiteral("other"));
    panel().select(0, -1);
    m_prompter.expectFiles({sibling}).expect(QStringLiteral("Skal projektfilernes stier rettes"), Prompter::Yes);
    panel().editRootFolder();
    EXPECT_EQ(tree().documents(0), QStringList({QStringLiteral("../site/a.htm")}));
    EXPECT_EQ(tree().documentPath(0, 0), page);
    EXPECT_EQ(shownText(0, 0), ProjectTree::RootFolderMark + sibling + QStringLiteral("/"));

    m_prompter.expectFiles({site()}).expect(QStringLiteral("Skal projektfilernes stier rettes"), Prompter::No);
    panel().editRootFolder();
    EXPECT_EQ(tree().documents(0), QStringList({QStringLiteral("../site/a.htm")}));
}

TEST_F(ProjectPanelTest, ADamagedFileIsWrittenOverOnlyWhenTheUserAgreesAndIsKeptAside)
{
    const QByteArray damaged = "Pagewick-projekter\r\n Min side\r\n  - /nowhere/\r\n    a.htm\r\n";
    for (const Prompter::Button answer : {Prompter::No, Prompter::Yes}) {
        SCOPED_TRACE(answer == Prompter::Yes ? "Yes" : "No");
        write(projectFile(), damaged);
        QFile::remove(projectFile() + QStringLiteral(".bak"));
        m_window->showResourcePage(*m_window->resourcePanel()->widget(1));
        ASSERT_TRUE(tree().isDamaged());
        m_prompter.expect(QStringLiteral("kunne ikke læses helt"), answer);
        closeWindow();
        QFile file(projectFile());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll() == damaged, answer == Prompter::No);
        EXPECT_EQ(QFile::exists(projectFile() + QStringLiteral(".bak")), answer == Prompter::Yes);
        m_window.reset();
        openWindow();
    }
}

TEST_F(ProjectPanelTest, ASavedDocumentOfAProjectBecomesBoldWithItsProject)
{
    const QString page = sitePage("a.htm");
    makeProject({page, sitePage("b.htm")});
    const auto bold = [this](int child) {
        QTreeWidgetItem *project = panel().tree().topLevelItem(0)->child(0);
        return (child < 0 ? project : project->child(child))->font(0).bold();
    };
    EXPECT_FALSE(bold(-1));
    m_window->documentCommands().FilAabn(page);
    editor().SetText(QStringLiteral("<html><head><title>a</title></head><body>ny</body></html>"));
    m_prompter.expect(QStringLiteral("Auto-opdateringsdato"), Prompter::No);
    ASSERT_TRUE(m_window->documentCommands().FilGem(m_window->documentArea().currentIndex()));
    EXPECT_TRUE(bold(1));
    EXPECT_FALSE(bold(2));
    EXPECT_TRUE(bold(-1));
}

} // namespace
