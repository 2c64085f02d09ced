// The tree view of the libraries and the project tree: bold nodes, folder
// pictures, the whole-tree sort, the indented text form and drag scrolling.
#include "resources/THETreeView.h"

#include <QApplication>
#include <QDragMoveEvent>
#include <QFile>
#include <QMimeData>
#include <QScrollBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The tree as indented lines, as the file form writes it.
QStringList shape(const THETreeView &tree)
{
    QStringList lines;
    for (const QTreeWidgetItem *item : tree.nodesInOrder())
        lines.append(QString(THETreeView::levelOf(item), QLatin1Char('.')) + item->text(0));
    return lines;
}

QTreeWidgetItem *add(QTreeWidgetItem *parent, const QString &text)
{
    return new QTreeWidgetItem(parent, QStringList(text));
}

TEST(THETreeView, BoldStateAndFolderPicturesFollowTheNode)
{
    THETreeView tree;
    auto *folder = new QTreeWidgetItem(&tree, QStringList(QStringLiteral("Mappe")));
    add(folder, QStringLiteral("barn"));
    EXPECT_FALSE(THETreeView::IsBold(folder));
    THETreeView::SetBold(folder, true);
    EXPECT_TRUE(THETreeView::IsBold(folder));
    THETreeView::SetBold(folder, false);
    EXPECT_FALSE(THETreeView::IsBold(folder));

    THETreeView::SetImageIndex(folder, 79);
    EXPECT_FALSE(folder->icon(0).isNull());
    folder->setExpanded(true);
    EXPECT_EQ(THETreeView::ImageIndex(folder), 80);
    folder->setExpanded(false);
    EXPECT_EQ(THETreeView::ImageIndex(folder), 79);

    // Other pictures stay as they are.
    THETreeView::SetImageIndex(folder, 82);
    folder->setExpanded(true);
    EXPECT_EQ(THETreeView::ImageIndex(folder), 82);
}

TEST(THETreeView, SortingByTextSortsEveryLevelIgnoringCase)
{
    THETreeView tree;
    auto *b = new QTreeWidgetItem(&tree, QStringList(QStringLiteral("beta")));
    add(b, QStringLiteral("Zulu"));
    add(b, QStringLiteral("alfa"));
    add(b, QStringLiteral("Mike"));
    new QTreeWidgetItem(&tree, QStringList(QStringLiteral("Alfa")));
    b->setExpanded(true);
    tree.setCurrentItem(b->child(1));

    tree.SetSortType(THETreeView::SortType::ByText);
    EXPECT_EQ(shape(tree), QStringList({"Alfa", "beta", ".alfa", ".Mike", ".Zulu"}));
    EXPECT_TRUE(b->isExpanded());
    EXPECT_EQ(tree.currentItem()->text(0), QStringLiteral("alfa"));
}

TEST(THETreeView, SortingByDataNeedsACompareHandler)
{
    THETreeView tree;
    for (const char *text : {"b", "c", "a"}) {
        auto *item = new QTreeWidgetItem(&tree, QStringList(QString::fromLatin1(text)));
        item->setData(0, Qt::UserRole, int(text[0]));
    }
    tree.SetSortType(THETreeView::SortType::ByData);
    EXPECT_EQ(shape(tree), QStringList({"b", "c", "a"}));

    // Largest data first.
    tree.setCompareHandler([](const QTreeWidgetItem *x, const QTreeWidgetItem *y) {
        return y->data(0, Qt::UserRole).toInt() - x->data(0, Qt::UserRole).toInt();
    });
    tree.SetSortType(THETreeView::SortType::ByData);
    EXPECT_EQ(shape(tree), QStringList({"c", "b", "a"}));
    tree.SetSortType(THETreeView::SortType::None);
    EXPECT_EQ(shape(tree), QStringList({"c", "b", "a"}));
}

TEST(THETreeView, SavedTreeLoadsBackWithItsShapeAndTexts)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("projekt.pwp"));
    THETreeView tree;
    auto *site = new QTreeWidgetItem(&tree, QStringList(QStringLiteral("Mit websted")));
    auto *folder = add(site, QStringLiteral("billeder"));
    add(add(folder, QStringLiteral("ferie")), QStringLiteral("strand æøå.jpg"));
    add(site, QStringLiteral("index.htm"));
    add(site, QString()); // an empty text survives as an empty line
    new QTreeWidgetItem(&tree, QStringList(QStringLiteral("Andet websted")));
    tree.SaveTreeToFile(path);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("Mit websted\r\n billeder\r\n  ferie\r\n   strand"));

    THETreeView loaded;
    loaded.LoadTreeFromFile(path);
    EXPECT_EQ(shape(loaded), shape(tree));
}

TEST(THETreeView, LoadingReadsTabsAsLevelsAndStopsAtCtrlZ)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tree.txt"));
    writeFile(path, "root\n\tchild\n \tgrandchild\n child two\r\nsecond root\n\x1a\nnot read\n");
    THETreeView tree;
    new QTreeWidgetItem(&tree, QStringList(QStringLiteral("old")));
    tree.LoadTreeFromFile(path);
    EXPECT_EQ(shape(tree), QStringList({"root", ".child", "..grandchild", ".child two", "second root"}));
}

TEST(THETreeView, ALevelJumpStopsTheLoadKeepingWhatWasReadAndTheSortType)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tree.txt"));
    const struct
    {
        const char *what;
        QByteArray file;
        QStringList kept;
    } cases[] = {
        {"skipped level", "b\n a\n   too deep\n", {"b", ".a"}},
        {"first line too deep, then climbing above the top", " x\ny\n", {"x"}},
    };
    for (const auto &c : cases) {
        writeFile(path, c.file);
        THETreeView tree;
        tree.SetSortType(THETreeView::SortType::ByText);
        try {
            tree.LoadTreeFromFile(path);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const THETreeViewError &error) {
            EXPECT_STREQ(error.what(), "Invalid TreeNode Level") << c.what;
        }
        EXPECT_EQ(shape(tree), c.kept) << c.what;
        EXPECT_EQ(tree.sortType(), THETreeView::SortType::ByText) << c.what;
        EXPECT_TRUE(tree.updatesEnabled()) << c.what;
    }
}

TEST(THETreeView, LoadingDoesNotSortWhileReadingButSortsAfterwards)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tree.txt"));
    writeFile(path, "b\n d\n c\na\n");
    THETreeView tree;
    tree.SetSortType(THETreeView::SortType::ByText);
    tree.LoadTreeFromFile(path);
    EXPECT_EQ(shape(tree), QStringList({"a", "b", ".c", ".d"}));
}

// Drag events reach a view only through a drag in progress; the test hands
// them over directly.
struct DragProbe : THETreeView
{
    using THETreeView::dragMoveEvent;
};

TEST(THETreeView, ADragNearTheTopOrBottomEdgeScrollsOneLine)
{
    DragProbe tree;
    tree.setAcceptDrops(true);
    tree.resize(200, 120);
    for (int n = 0; n < 100; ++n)
        new QTreeWidgetItem(&tree, QStringList(QString::number(n)));
    tree.show();
    QScrollBar *bar = tree.verticalScrollBar();
    bar->setValue(50);
    QMimeData data;
    data.setText(QStringLiteral("x"));
    const auto dragAt = [&](int y) {
        QDragMoveEvent move(QPoint(50, y), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        tree.dragMoveEvent(&move);
        return bar->value();
    };
    const int height = tree.viewport()->height();
    EXPECT_EQ(dragAt(height - 19), 51);
    EXPECT_EQ(dragAt(height - 21), 51);
    EXPECT_EQ(dragAt(19), 50);
    EXPECT_EQ(dragAt(21), 50);
    EXPECT_EQ(dragAt(height / 2), 50);
}

} // namespace
