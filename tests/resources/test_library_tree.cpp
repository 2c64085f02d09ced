#include "resources/LibraryIndex.h"
#include "resources/LibraryTree.h"
#include "support/LibraryFixture.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using LibraryRecordFormat::positionCode;

namespace {

LibraryTree build(const QList<LibraryRecord> &records, LibraryLists &lists, const QStringList &exclusions = {})
{
    return BuildLibraryTree(records, lists, exclusions);
}

LibraryTree build(const QList<LibraryRecord> &records)
{
    LibraryLists lists;
    return build(records, lists);
}

// The sibling indexes from level 1 down to the node: what its position code is made of.
QList<int> siblingPath(const QList<LibraryNode> &nodes, int node)
{
    QList<int> path;
    for (int at = node; at >= 0 && nodes.at(at).parent >= 0; at = nodes.at(at).parent) {
        int index = 0;
        for (int before = 0; before < at; ++before)
            index += nodes.at(before).parent == nodes.at(at).parent;
        path.prepend(index);
    }
    return path;
}

} // namespace

TEST(LibraryTree, BuildsTheTreeFromPreOrderCodesAndEveryNodeFindsItsRecord)
{
    // Root, four categories, the fourth with two sections, the second of
    // those with three entries: its entry 3 has the code 4 + 200 + 3 * 10000.
    QList<LibraryRecord> records{libraryRecord(0, 0, QStringLiteral("HTML"))};
    for (int category = 0; category < 4; ++category) {
        records.append(libraryRecord(positionCode({category}), 1000, QStringLiteral("kategori %1").arg(category)));
        for (int section = 0; category == 3 && section < 2; ++section) {
            records.append(libraryRecord(positionCode({category, section}), 2000, QStringLiteral("afsnit %1").arg(section)));
            for (int entry = 0; section == 1 && entry < 3; ++entry)
                records.append(libraryRecord(positionCode({category, section, entry}), 1, QStringLiteral("post %1").arg(entry)));
        }
    }
    ASSERT_EQ(records.last().Id, 4 + 200 + 3 * 10000);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("html4bib.dat"));
    writeFile(path, recordBytes(records));
    LibraryLists lists;
    const std::optional<LibraryTree> tree = LoadLibraryTree(path, lists, {});
    ASSERT_TRUE(tree);
    EXPECT_TRUE(tree->error.isEmpty());
    ASSERT_EQ(tree->nodes.size(), records.size());
    EXPECT_EQ(tree->nodes.at(0).parent, -1);
    EXPECT_EQ(tree->nodes.at(0).icon, LibraryIcon::FolderClosed);

    // The description lookup recomputes each node's code from its place in the tree.
    LibraryFiles files(dir.path());
    for (int node = 0; node < tree->nodes.size(); ++node) {
        const qint32 code = positionCode(siblingPath(tree->nodes, node));
        const LibraryRecord found = files.FindRecord(code, -1, QString(), path);
        EXPECT_EQ(found.Code, tree->nodes.at(node).text) << "node " << node << " code " << code;
    }
}

TEST(LibraryTree, LevelRules)
{
    struct Case
    {
        const char *name;
        QList<qint32> codes;
        QList<int> parents; // of the nodes kept
        bool error;
    };
    const Case cases[] = {
        {"one root", {0, 1, 101, 2}, {-1, 0, 1, 0}, false},
        {"a second code-0 record is a second top node", {0, 1, 0, 1}, {-1, 0, -1, 2}, false},
        {"no root: level-1 nodes at the top", {1, 101, 2}, {-1, 0, -1}, false},
        {"back from level 3 to level 1", {0, 1, 101, 10101, 2}, {-1, 0, 1, 2, 0}, false},
        {"a level jump from 1 to 3 stops, keeping what was read", {0, 5, 10203, 6}, {-1, 0}, true},
        {"a first record below level 1 stops at once", {101}, {}, true},
        {"climbing above the top stops", {1, 0}, {-1}, true},
        {"climbing above the top from deeper down", {1, 101, 0}, {-1, 0}, true},
        {"a negative code counts as level 0", {-5, 1}, {-1, 0}, false},
    };
    for (const Case &c : cases) {
        QList<LibraryRecord> records;
        for (const qint32 code : c.codes)
            records.append(libraryRecord(code, 0, QString::number(code)));
        const LibraryTree tree = build(records);
        QList<int> parents;
        for (const LibraryNode &node : tree.nodes)
            parents.append(node.parent);
        EXPECT_EQ(parents, c.parents) << c.name;
        EXPECT_EQ(tree.error, c.error ? QStringLiteral("Ulovligt TreeNode niveau") : QString()) << c.name;
    }
}

TEST(LibraryTree, IconsAndCheckBoxesByKind)
{
    const struct
    {
        qint32 kind;
        int icon;
        bool checkable;
    } cases[] = {{0, 79, false},    {1000, 79, false}, {5000, 79, false}, {1200, 81, false}, {1250, 81, false},
                 {1299, 81, false}, {1300, 82, true},  {1399, 82, true},  {1701, 84, false}, {2300, 82, false},
                 {2900, 86, false}, {3100, 83, false}, {3400, 84, false}, {3500, 85, false}, {1400, 82, false}};
    QList<LibraryRecord> records{libraryRecord(0, 1200, QStringLiteral("rod"), QStringLiteral("rod"))};
    for (const auto &c : cases)
        records.append(libraryRecord(records.size(), c.kind, QString::number(c.kind)));
    const LibraryTree tree = build(records);
    ASSERT_EQ(tree.nodes.size(), records.size());
    EXPECT_EQ(tree.nodes.at(0).icon, LibraryIcon::FolderClosed) << "the top node is a folder whatever its kind";
    for (qsizetype i = 0; i < std::ssize(cases); ++i) {
        EXPECT_EQ(tree.nodes.at(i + 1).icon, cases[i].icon) << cases[i].kind;
        EXPECT_EQ(tree.nodes.at(i + 1).checkable, cases[i].checkable) << cases[i].kind;
        EXPECT_EQ(tree.nodes.at(i + 1).kind, cases[i].kind);
    }
}

namespace {

// A small HTML library: an attribute before any element, elements with and
// without attributes, check-counted elements and two event kinds.
QList<LibraryRecord> htmlLibrary()
{
    const auto element = [](qint32 id, qint32 kind, const QString &name) {
        return libraryRecord(id, kind, QLatin1Char('<') + name + QStringLiteral("></") + name + QLatin1Char('>'), name);
    };
    const auto attribute = [](qint32 id, const QString &element, const QString &name) {
        return libraryRecord(id, 1300, name + QStringLiteral("=\"\""), name, element);
    };
    return {
        libraryRecord(0, 0, QStringLiteral("HTML")),
        attribute(1, QString(), QStringLiteral("forvildet")),
        element(2, 1250, QStringLiteral("p")),
        attribute(102, QStringLiteral("p"), QStringLiteral("align")),
        element(3, 1200, QStringLiteral("br")),
        element(4, 1250, QStringLiteral("table")),
        attribute(104, QStringLiteral("table"), QStringLiteral("border")),
        attribute(204, QStringLiteral("table"), QStringLiteral("width")),
        element(5, 1250, QStringLiteral("param")),
        libraryRecord(6, 1701, QStringLiteral("onclick"), QStringLiteral("onclick")),
        libraryRecord(7, 1703, QStringLiteral("onfocus"), QStringLiteral("onfocus")),
        libraryRecord(8, 1701, QStringLiteral("ondblclick"), QStringLiteral("ondblclick")),
    };
}

} // namespace

TEST(LibraryTree, ExtendsTheListsByKind)
{
    LibraryLists lists;
    const LibraryTree tree = build(htmlLibrary(), lists, {QStringLiteral("P"), QStringLiteral("PARAM")});
    EXPECT_TRUE(tree.error.isEmpty());
    EXPECT_EQ(tree.nodes.size(), htmlLibrary().size()) << "the stray attribute still shows in the tree";
    EXPECT_EQ(lists.ElementNames, QStringList({"p", "br", "table", "param"}));
    EXPECT_EQ(lists.ElementAttributes, QStringList({"align=\"\"", "", "border=\"\", width=\"\"", ""}));
    EXPECT_EQ(lists.TagCheckElements, QStringList({"table"})) << "Kodetjek names are compared ignoring case";
    EXPECT_EQ(lists.EventGroups, QStringList({"1701=onclick, ondblclick", "1703=onfocus"}));

    LibraryLists css;
    build({libraryRecord(0, 0, QStringLiteral("CSS")),
           libraryRecord(1, 2300, QStringLiteral("z-index"), QStringLiteral("z-index"), {}, {}),
           libraryRecord(2, 2300, QStringLiteral("color"), QStringLiteral("color")),
           libraryRecord(3, 2301, QStringLiteral("Border"), QStringLiteral("Border"))},
          css);
    EXPECT_EQ(css.StyleProperties, QStringList({"Border=", "color=", "z-index="})) << "sorted ignoring case";

    LibraryLists js;
    build({libraryRecord(0, 0, QStringLiteral("JS")), libraryRecord(1, 3500, QStringLiteral("for"), QStringLiteral("for")),
           libraryRecord(2, 3500, QStringLiteral("while"), QStringLiteral("while")),
           libraryRecord(3, 3400, QStringLiteral("alert()"), QStringLiteral("alert"))},
          js);
    EXPECT_EQ(js.ScriptKeywords, QStringList({"for", "while"}));
}

TEST(LibraryTree, StylePropertiesCarryTheirDanishName)
{
    LibraryRecord property = libraryRecord(1, 2300, QStringLiteral("color"), QStringLiteral("color"));
    property.Extra = QStringLiteral("forgrundsfarve");
    LibraryLists lists;
    lists.StyleProperties = {QStringLiteral("background=baggrund"), QStringLiteral("width=bredde")};
    build({libraryRecord(0, 0, QStringLiteral("CSS")), property}, lists);
    EXPECT_EQ(lists.StyleProperties, QStringList({"background=baggrund", "color=forgrundsfarve", "width=bredde"}));
}

TEST(LibraryTree, ReloadingAfterAChangedCheckListDoublesNothing)
{
    LibraryLists lists;
    build(htmlLibrary(), lists, {QStringLiteral("P"), QStringLiteral("PARAM")});
    lists.clearElementLists();
    build(htmlLibrary(), lists, {QStringLiteral("table")});
    EXPECT_EQ(lists.ElementNames, QStringList({"p", "br", "table", "param"}));
    EXPECT_EQ(lists.ElementAttributes.size(), 4);
    EXPECT_EQ(lists.TagCheckElements, QStringList({"p", "param"}));
    EXPECT_EQ(lists.EventGroups, QStringList({"1701=onclick, ondblclick", "1703=onfocus"}));
}

TEST(LibraryTree, BadFilesNeverBreakTheLoad)
{
    QTemporaryDir dir;
    LibraryLists lists;
    EXPECT_FALSE(LoadLibraryTree(dir.filePath(QStringLiteral("mangler.dat")), lists, {}));

    const auto load = [&](const QByteArray &bytes) {
        const QString path = dir.filePath(QStringLiteral("fil.dat"));
        writeFile(path, bytes);
        LibraryLists fresh;
        const std::optional<LibraryTree> tree = LoadLibraryTree(path, fresh, {});
        EXPECT_TRUE(tree);
        return tree.value_or(LibraryTree());
    };
    EXPECT_TRUE(load(QByteArray()).nodes.isEmpty());

    const QByteArray two = recordBytes({libraryRecord(0, 0, QStringLiteral("rod")), libraryRecord(1, 1200, QStringLiteral("b"))});
    EXPECT_EQ(load(two.left(LibraryRecordFormat::RecordSize + 100)).nodes.size(), 1) << "a cut-off record is ignored";

    QByteArray oversized = two;
    for (const int lengthByte : {18, 82, 114, 370, 626, 658})
        oversized[lengthByte] = char(255);
    const LibraryTree clamped = load(oversized);
    ASSERT_EQ(clamped.nodes.size(), 2);
    EXPECT_EQ(clamped.nodes.at(0).text.size(), 31) << "the caption stays inside its 31-byte field";

    QRandomGenerator random(20261210);
    for (int round = 0; round < 20; ++round) {
        QByteArray noise(LibraryRecordFormat::RecordSize * 50 + round, Qt::Uninitialized);
        for (char &byte : noise)
            byte = char(random.bounded(256));
        const LibraryTree tree = load(noise);
        EXPECT_LE(tree.nodes.size(), 50);
    }
}
