#include "resources/TextMaps.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(TextMaps, LinesAreReadWithAnyLineEndAndBlankLinesDropped)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("eventmap.dat"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1700=a,b\r\n1701=body\n\n1702=\"frame set\",td\r");
    file.close();
    const auto lines = TextMaps::load(path);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines,
              (QStringList{QStringLiteral("1700=a,b"), QStringLiteral("1701=body"), QStringLiteral("1702=\"frame set\",td")}));
    EXPECT_FALSE(TextMaps::load(dir.filePath(QStringLiteral("missing.dat"))).has_value());
}

} // namespace
