// The "Projekter" page in the real main window: its tree, its commands and
// the project file it reads once and writes when the window closes.
#include "ProjectPanelFixture.h"

#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QToolBar>
#include <QUrl>

#include <memory>

namespace {

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

TEST_F(ProjectPanelTest, TheEnterThatEndsARenameOpensNothing)
{
    makeProject({sitePage("a.htm")});
    // The new project's own title edit is gone first.
    ASSERT_TRUE(QTest::qWaitFor([this] { return panel().tree().findChildren<QLineEdit *>().isEmpty(); }));
    panel().select(0, -1);
    panel().renameSelected();
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr) << "the title is edited in place";
    editor->setText(QStringLiteral("Ny titel"));
    // The scripted prompter fails the test on the question of opening all documents.
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([this] { return tree().title(0) == QStringLiteral("Ny titel"); }));
}

TEST_F(ProjectPanelTest, AddsEveryOpenDocumentThatHasAFile)
{
    makeProject({sitePage("a.htm")});
    const QString other = sitePage("b.htm");
    m_window->documentCommands().FilAabn(other);
    panel().select(0, -1);
    panel().addOpenDocuments();
    EXPECT_EQ(tree().documents(0), QStringList({QStringLiteral("a.htm"), QStringLiteral("b.htm")}));
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

TEST_F(ProjectPanelTest, ADocumentIsBoldWhileItDiffersFromWhatWasPublished)
{
    const QString page = sitePage("a.htm");
    const QString other = sitePage("b.htm");
    makeProject({page, other});
    waitForChangeCheck();
    EXPECT_TRUE(bold(0, 1) && bold(0, 2) && bold(0)) << "a project never published has every document changed";

    publish({page, other});
    panel().RefreshProjects();
    waitForChangeCheck();
    EXPECT_FALSE(bold(0, 1) || bold(0, 2) || bold(0));

    // A saved document is bold at once.
    m_window->documentCommands().FilAabn(page);
    editor().SetText(QStringLiteral("<html><head><title>a</title></head><body>ny</body></html>"));
    m_prompter.expect(QStringLiteral("Auto-opdateringsdato"), Prompter::No);
    ASSERT_TRUE(m_window->documentCommands().FilGem(m_window->documentArea().currentIndex()));
    EXPECT_TRUE(bold(0, 1));
    EXPECT_FALSE(bold(0, 2));
    EXPECT_TRUE(bold(0));
    panel().RefreshProjects();
    waitForChangeCheck();
    EXPECT_TRUE(bold(0, 1)) << "the record agrees";
    EXPECT_FALSE(bold(0, 2));
}

// Each kind of node, selected as a right-click or the keyboard leaves it.
struct NodeCase
{
    const char *name;
    int project;
    int document; // -1 the project, ProjectPanelCommands::RootFolderNode its root folder node
};
const NodeCase Nodes[] = {
    {"root", -1, -1}, {"project", 0, -1}, {"root folder", 0, ProjectPanelCommands::RootFolderNode}, {"document", 0, 0}};

TEST_F(ProjectPanelTest, TheContextMenuShowsTheEntriesOfTheNodeUnderThePointer)
{
    makeProject({sitePage("a.htm")});
    const QStringList projectEntries = {"Åbn alle dokumenter",
                                        "Opdater på Internet...",
                                        "Resursefiler...",
                                        "Tilføj dokumenter...",
                                        "Tilføj det aktive dokument",
                                        "Tilføj alle åbne dokumenter",
                                        "Find i projekt...",
                                        "Erstat i projekt...",
                                        "Flyt projekt til...",
                                        "Kopier projekt til...",
                                        "Omdøb",
                                        "Slet projekt",
                                        "Rediger rodbibliotek...",
                                        "Opdater",
                                        "Egenskaber"};
    const QStringList expected[] = {
        {"Nyt projekt", "Opdater"},
        projectEntries,
        {"Rediger rodbibliotek...", "Opdater"},
        {"Åbn", "Overfør til Internet...", "Fjern fra projekt", "Omdøb", "Slet", "Opdater", "Egenskaber"}};
    auto *menu = panel().tree().findChild<QMenu *>(QStringLiteral("pmProjekter"));
    ASSERT_NE(menu, nullptr);
    for (int i = 0; i < int(std::size(Nodes)); ++i) {
        SCOPED_TRACE(Nodes[i].name);
        panel().select(Nodes[i].project, Nodes[i].document);
        QTreeWidgetItem *node = panel().tree().currentItem();
        // The right-click selects the node under the pointer first.
        panel().select(-1, -1);
        Q_EMIT panel().tree().customContextMenuRequested(panel().tree().visualItemRect(node).center());
        EXPECT_EQ(panel().tree().currentItem(), node);
        QStringList shown;
        for (QAction *action : menu->actions()) {
            if (action->isVisible() && !action->isSeparator())
                shown.append(action->text());
        }
        EXPECT_EQ(shown, expected[i]);
        EXPECT_EQ(menu->defaultAction()->text(), expected[i].first());
        menu->hide();
    }
}

TEST_F(ProjectPanelTest, TheToolbarFollowsTheSelectedNode)
{
    makeProject({sitePage("a.htm")});
    auto *toolBar = m_window->resourcePanel()->widget(1)->findChild<QToolBar *>(QStringLiteral("tbProjekter"));
    ASSERT_NE(toolBar, nullptr);
    const auto enabled = [toolBar] {
        QString states;
        for (QAction *action : toolBar->actions())
            states += action->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return states;
    };
    // "Nyt projekt", "Tilføj dokumenter", "Åbn dokument(er)", "Overfør til Internet", "Egenskaber".
    const char *withPublishing[] = {"10000", "11111", "10000", "10111"};
    m_window->publishRequests().setAvailable(true);
    for (int i = 0; i < int(std::size(Nodes)); ++i) {
        SCOPED_TRACE(Nodes[i].name);
        panel().select(Nodes[i].project, Nodes[i].document);
        EXPECT_EQ(enabled(), QString::fromLatin1(withPublishing[i]));
    }
    // Without the publishing window a single document has nowhere to go; a
    // project still opens its file dialog.
    m_window->publishRequests().setAvailable(false);
    panel().select(0, -1);
    panel().select(0, 0);
    EXPECT_EQ(enabled(), QStringLiteral("10101"));
    panel().select(0, -1);
    EXPECT_EQ(enabled(), QStringLiteral("11111"));
}

TEST_F(ProjectPanelTest, ADraggedProjectCarriesItsTitleAndADocumentItsFile)
{
    const QString page = sitePage("a.htm");
    makeProject({page});
    QTreeWidget &view = panel().tree();
    QTreeWidgetItem *project = view.topLevelItem(0)->child(0);
    const auto drag = [&view](QTreeWidgetItem *item) {
        return std::unique_ptr<QMimeData>(view.model()->mimeData({view.indexFromItem(item)}));
    };
    const auto projectDrag = drag(project);
    ASSERT_NE(projectDrag, nullptr);
    EXPECT_EQ(QString::fromUtf8(projectDrag->data(QStringLiteral("application/x-pagewick-project"))), QStringLiteral("Min side"));
    const auto documentDrag = drag(project->child(1));
    ASSERT_NE(documentDrag, nullptr);
    EXPECT_EQ(documentDrag->urls(), QList<QUrl>({QUrl::fromLocalFile(page)}));
    EXPECT_EQ(drag(project->child(0)), nullptr) << "the root folder node is not dragged";
}

} // namespace
