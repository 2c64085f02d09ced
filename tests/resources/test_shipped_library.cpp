// The generated libraries of the build, when it has made them: they load
// without a level error and every node finds its own record again.
#include "resources/CompletionCandidates.h"
#include "resources/LibraryTree.h"
#include "resources/TextMaps.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using LibraryRecordFormat::positionCode;

namespace {

QString dataFolder()
{
    return qEnvironmentVariable("PAGEWICK_PROGRAM_DIR", QStringLiteral(PAGEWICK_DATA_DIR));
}

QList<int> siblingPath(const QList<LibraryNode> &nodes, int node)
{
    QList<int> path;
    for (int at = node; at >= 0 && nodes.at(at).parent >= 0; at = nodes.at(at).parent) {
        int index = 0;
        for (int before = nodes.at(at).parent + 1; before < at; ++before)
            index += nodes.at(before).parent == nodes.at(at).parent;
        path.prepend(index);
    }
    return path;
}

} // namespace

TEST(ShippedLibrary, EveryTreeLoadsAndEveryNodeFindsItsRecord)
{
    LibraryLists lists;
    LibraryFiles files(dataFolder());
    for (const char *name : {"html4bib.dat", "css2bib.dat", "js12bib.dat"}) {
        const QString path = dataFolder() + QLatin1Char('/') + QLatin1String(name);
        if (!QFile::exists(path))
            GTEST_SKIP() << "no " << name << " in " << dataFolder().toStdString();
        const std::optional<LibraryTree> tree = LoadLibraryTree(path, lists, {QStringLiteral("P"), QStringLiteral("PARAM")});
        ASSERT_TRUE(tree);
        EXPECT_TRUE(tree->error.isEmpty()) << name;
        EXPECT_EQ(tree->nodes.size(), QFileInfo(path).size() / LibraryRecordFormat::RecordSize) << name;
        for (int node = 0; node < tree->nodes.size(); ++node) {
            const LibraryRecord record = files.FindRecord(positionCode(siblingPath(tree->nodes, node)), -1, QString(), path);
            ASSERT_EQ(record.Code, tree->nodes.at(node).text) << name << " node " << node;
            ASSERT_FALSE(record.Description.isEmpty()) << name << " node " << node;
        }
    }
    EXPECT_TRUE(lists.ElementNames.contains(QStringLiteral("table")));
    EXPECT_EQ(lists.ElementAttributes.size(), lists.ElementNames.size());
    EXPECT_FALSE(lists.TagCheckElements.contains(QStringLiteral("p")));
    EXPECT_TRUE(lists.TagCheckElements.contains(QStringLiteral("table")));
    EXPECT_FALSE(lists.EventGroups.isEmpty());
    EXPECT_FALSE(lists.StyleProperties.isEmpty());
    EXPECT_FALSE(lists.ScriptKeywords.isEmpty());

    lists.EventMap = TextMaps::load(dataFolder() + QStringLiteral("/eventmap.dat")).value_or(QStringList());
    lists.GlobalAttributeMap = TextMaps::load(dataFolder() + QStringLiteral("/globalmap.dat")).value_or(QStringList());
    const QString line = QStringLiteral("<table ");
    const CompletionList attributes = CompletionCandidates(QLatin1Char(' '), line, int(line.size()), lists, files);
    EXPECT_TRUE(attributes.items.contains(QStringLiteral("border=\"\""))) << attributes.items.join(u' ').toStdString();
    EXPECT_TRUE(attributes.items.contains(QStringLiteral("class=\"\"")));
    EXPECT_TRUE(attributes.items.contains(QStringLiteral("onclick=\"\"")));
}
