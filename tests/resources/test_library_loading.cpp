// Loading a library record file into a tree and the special-character list,
// with the messages of missing and broken files.
#include "resources/LibraryLists.h"
#include "resources/LibraryLoading.h"
#include "resources/THETreeView.h"
#include "support/LibraryFixture.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class LibraryLoadingTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        EXPECT_TRUE(m_prompter.allAnswered());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    LibraryLists m_lists;
    THETreeView m_tree;
};

// Each node as "level|text|picture|kind|check box".
QStringList nodes(const THETreeView &tree)
{
    QStringList lines;
    for (const QTreeWidgetItem *item : tree.nodesInOrder()) {
        const QVariant check = item->data(0, Qt::CheckStateRole);
        lines.append(QStringLiteral("%1|%2|%3|%4|%5")
                         .arg(THETreeView::levelOf(item))
                         .arg(item->text(0))
                         .arg(THETreeView::ImageIndex(item))
                         .arg(item->data(0, LibraryKindRole).toInt())
                         .arg(check.isValid() ? QString::number(check.toInt()) : QStringLiteral("-")));
    }
    return lines;
}

TEST_F(LibraryLoadingTest, RecordsBecomeNodesWithPicturesCheckBoxesAndLists)
{
    writeFile(path("html4bib.dat"),
              recordBytes({
                  libraryRecord(0, 0, QStringLiteral("HTML")),
                  libraryRecord(1, 1000, QStringLiteral("Tabeller")),
                  libraryRecord(101, 1250, QStringLiteral("<table></table>"), QStringLiteral("table")),
                  libraryRecord(10101, 1300, QStringLiteral("border=\"\""), QStringLiteral("border"), QStringLiteral("table")),
                  libraryRecord(201, 1200, QStringLiteral("<br />"), QStringLiteral("br")),
                  libraryRecord(2, 2000, QStringLiteral("Hændelser")),
                  libraryRecord(102, 1701, QStringLiteral("onclick=\"\""), QStringLiteral("onclick")),
              }));
    EXPECT_TRUE(LoadLibrary(path("html4bib.dat"), m_tree, m_lists, {QStringLiteral("P")}, m_prompter));

    EXPECT_EQ(nodes(m_tree),
              QStringList({
                  "0|HTML|80|0|-", // the root is expanded, so its folder shows open
                  "1|Tabeller|79|1000|-",
                  "2|<table></table>|81|1250|-",
                  "3|border=\"\"|82|1300|0",
                  "2|<br />|81|1200|-",
                  "1|Hændelser|79|2000|-",
                  "2|onclick=\"\"|84|1701|-",
              }));
    QTreeWidgetItem *root = m_tree.topLevelItem(0);
    EXPECT_TRUE(root->isExpanded());
    EXPECT_TRUE(THETreeView::IsBold(root));
    EXPECT_FALSE(root->child(0)->isExpanded());
    EXPECT_TRUE(root->child(0)->child(0)->child(0)->flags() & Qt::ItemIsUserCheckable);
    EXPECT_EQ(m_lists.ElementNames, QStringList({"table", "br"}));
    EXPECT_EQ(m_lists.TagCheckElements, QStringList({"table"}));
    EXPECT_TRUE(m_tree.updatesEnabled());

    // Loading again replaces the nodes.
    EXPECT_TRUE(LoadLibrary(path("html4bib.dat"), m_tree, m_lists, {}, m_prompter));
    EXPECT_EQ(m_tree.nodesInOrder().size(), 7);
}

TEST_F(LibraryLoadingTest, AMissingFileIsToldAndLeavesTheTreeEmpty)
{
    new QTreeWidgetItem(&m_tree, QStringList(QStringLiteral("gammel")));
    const QString missing = path("css2bib.dat");
    m_prompter.expect(QStringLiteral("Brindle's Pagewick kan ikke finde ") + QDir::toNativeSeparators(missing));
    EXPECT_FALSE(LoadLibrary(missing, m_tree, m_lists, {}, m_prompter));
    ASSERT_EQ(m_prompter.seen().size(), 1);
    EXPECT_EQ(m_prompter.seen()[0].caption, QStringLiteral("Brindle's Pagewick"));
    EXPECT_EQ(m_prompter.seen()[0].icon, Prompter::Icon::Stop);
    EXPECT_FALSE(m_prompter.seen()[0].text.endsWith(QLatin1Char('.')));
}

TEST_F(LibraryLoadingTest, ALevelJumpIsToldAndTheNodesReadSoFarStay)
{
    writeFile(path("js12bib.dat"),
              recordBytes({
                  libraryRecord(0, 0, QStringLiteral("JavaScript")),
                  libraryRecord(5, 1000, QStringLiteral("window")),
                  libraryRecord(10203, 2900, QStringLiteral("alert")),
              }));
    m_prompter.expect(QStringLiteral("Ulovligt TreeNode niveau"));
    EXPECT_FALSE(LoadLibrary(path("js12bib.dat"), m_tree, m_lists, {}, m_prompter));
    EXPECT_EQ(m_prompter.seen().value(0).icon, Prompter::Icon::Stop);
    EXPECT_EQ(m_tree.nodesInOrder().size(), 2);
    EXPECT_TRUE(m_tree.updatesEnabled());
}

TEST_F(LibraryLoadingTest, SpecialCharactersFillOneRowEach)
{
    LibraryRecord ae = libraryRecord(1, 0, QStringLiteral("&#230;"), QStringLiteral("æ"), QString(), QStringLiteral("&aelig;"));
    ae.Description = QStringLiteral("Lille æ");
    writeFile(path("specialtegn.dat"),
              recordBytes(
                  {ae, libraryRecord(2, 0, QStringLiteral("&#169;"), QStringLiteral("©"), QString(), QStringLiteral("&copy;"))}));
    QTreeWidget list;
    list.setColumnCount(4);
    EXPECT_TRUE(LoadSpecialCharacters(path("specialtegn.dat"), list, m_prompter));
    ASSERT_EQ(list.topLevelItemCount(), 2);
    const QTreeWidgetItem *row = list.topLevelItem(0);
    EXPECT_EQ(row->text(0), QStringLiteral("æ"));
    EXPECT_EQ(row->text(1), QStringLiteral("Lille æ"));
    EXPECT_EQ(row->text(2), QStringLiteral("&aelig;"));
    EXPECT_EQ(row->text(3), QStringLiteral("&#230;"));

    const QString missing = path("mangler.dat");
    m_prompter.expect(QStringLiteral("Brindle's Pagewick kan ikke finde ") + QDir::toNativeSeparators(missing)
                      + QLatin1Char('.'));
    EXPECT_FALSE(LoadSpecialCharacters(missing, list, m_prompter));
}

} // namespace
