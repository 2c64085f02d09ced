// Completion over the libraries and maps that the build generates, once they
// are in its data folder (or in PAGEWICK_PROGRAM_DIR).
#include "resources/CompletionCandidates.h"
#include "resources/LibraryTree.h"
#include "resources/TextMaps.h"

#include <QFile>

#include <gtest/gtest.h>

TEST(ShippedLibrary, CompletionOffersWhatTheGeneratedDataHolds)
{
    const QString folder = qEnvironmentVariable("PAGEWICK_PROGRAM_DIR", QStringLiteral(PAGEWICK_DATA_DIR)) + QLatin1Char('/');
    if (!QFile::exists(folder + LibraryFiles::HtmlLibrary))
        GTEST_SKIP() << "the build has not generated the libraries";
    LibraryLists lists;
    lists.EventMap = TextMaps::load(folder + TextMaps::EventMapFile).value_or(QStringList());
    lists.GlobalAttributeMap = TextMaps::load(folder + TextMaps::GlobalMapFile).value_or(QStringList());
    ASSERT_TRUE(LoadLibraryTree(folder + LibraryFiles::HtmlLibrary, lists, {QStringLiteral("P"), QStringLiteral("PARAM")}));
    EXPECT_EQ(lists.ElementAttributes.size(), lists.ElementNames.size());
    EXPECT_TRUE(lists.TagCheckElements.contains(QStringLiteral("table")));
    EXPECT_FALSE(lists.TagCheckElements.contains(QStringLiteral("p")));

    LibraryFiles files(folder);
    const auto complete = [&](QChar trigger, const QString &line) {
        return CompletionCandidates(trigger, line, int(line.size()), lists, files).items;
    };
    const QStringList table = complete(QLatin1Char(' '), QStringLiteral("<TABLE "));
    for (const char *item : {"border=\"\"", "class=\"\"", "onclick=\"\""})
        EXPECT_TRUE(table.contains(QString::fromUtf8(item))) << item << " in " << table.join(u' ').toStdString();
    EXPECT_TRUE(complete(QLatin1Char('='), QStringLiteral("<a href=")).contains(QStringLiteral("[url]")));
}
